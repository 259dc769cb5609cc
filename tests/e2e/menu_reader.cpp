// Reads a menu inside the program that owns it: loads e2e_menu_reader.dll into
// that program and runs its reader on a thread there.

#include "tests/e2e/menus.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/system_error.h"
#include "tests/e2e/test_process.h"

#include <tlhelp32.h>

#include <memory>

namespace zelvio::e2e {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// Memory in the other process, freed when done.
class RemoteBlock {
public:
    RemoteBlock(HANDLE process, std::size_t size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
        if (!address_) throw DriverError("cannot reserve memory in the program: " + lastErrorText());
    }
    ~RemoteBlock() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    void* address() const { return address_; }
    void write(const void* data, std::size_t size) {
        if (!WriteProcessMemory(process_, address_, data, size, nullptr))
            throw DriverError("cannot write into the program's memory: " + lastErrorText());
    }
    void read(void* data, std::size_t size) const {
        if (!ReadProcessMemory(process_, address_, data, size, nullptr))
            throw DriverError("cannot read the program's memory: " + lastErrorText());
    }

private:
    HANDLE process_;
    void* address_;
};

BYTE* moduleBase(DWORD processId, const std::string& moduleName) {
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
    if (snapshot.get() == INVALID_HANDLE_VALUE) snapshot.release();
    if (!snapshot) throw DriverError("cannot list the program's modules: " + lastErrorText());
    MODULEENTRY32 module = {};
    module.dwSize = sizeof module;
    for (BOOL more = Module32First(snapshot.get(), &module); more; more = Module32Next(snapshot.get(), &module))
        if (lstrcmpiA(module.szModule, moduleName.c_str()) == 0) return module.modBaseAddr;
    throw DriverError("the program has no module " + moduleName + " loaded");
}

// The address in the other process of a function of `moduleName`, which is
// loaded in both: same offset from the module's base.
LPTHREAD_START_ROUTINE remoteFunction(DWORD processId, HMODULE localModule, const std::string& moduleName,
                                      const char* function) {
    auto* local = reinterpret_cast<BYTE*>(GetProcAddress(localModule, function));
    if (!local) throw DriverError(moduleName + " has no function " + function);
    const auto offset = local - reinterpret_cast<BYTE*>(localModule);
    return reinterpret_cast<LPTHREAD_START_ROUTINE>(moduleBase(processId, moduleName) + offset);
}

DWORD runRemoteThread(HANDLE process, LPTHREAD_START_ROUTINE start, void* argument, const std::string& what) {
    UniqueHandle thread(CreateRemoteThread(process, nullptr, 0, start, argument, 0, nullptr));
    if (!thread) throw DriverError("cannot " + what + " in the program: " + lastErrorText());
    if (WaitForSingleObject(thread.get(), 5000) != WAIT_OBJECT_0)
        throw DriverError("the program did not " + what + " within 5 s");
    DWORD code = 0;
    GetExitCodeThread(thread.get(), &code);
    return code;
}

HMODULE localReader() {
    static HMODULE reader = LoadLibraryA(programBeside(kMenuReaderDll).c_str());
    if (!reader) throw DriverError(std::string("cannot load ") + kMenuReaderDll + ": " + lastErrorText());
    return reader;
}

void loadReaderInto(HANDLE process, DWORD processId) {
    const std::string path = programBeside(kMenuReaderDll);
    RemoteBlock pathBlock(process, path.size() + 1);
    pathBlock.write(path.c_str(), path.size() + 1);
    const auto loadLibrary = remoteFunction(processId, GetModuleHandleA("kernel32.dll"), "kernel32.dll", "LoadLibraryA");
    if (runRemoteThread(process, loadLibrary, pathBlock.address(), "load the menu reader") == 0)
        throw DriverError(std::string("the program could not load ") + path);
}

}  // namespace

std::vector<MenuEntry> readMenu(HWND window) {
    DWORD processId = 0;
    if (!GetWindowThreadProcessId(window, &processId)) throw DriverError("cannot read the menu of a window that is gone");
    UniqueHandle process(OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                         PROCESS_VM_WRITE | PROCESS_VM_READ,
                                     FALSE, processId));
    if (!process) throw DriverError("cannot open the program to read its menu: " + lastErrorText());

    HMODULE reader = localReader();
    loadReaderInto(process.get(), processId);
    const auto readEntry = remoteFunction(processId, reader, kMenuReaderDll, kMenuReaderEntry);

    auto request = std::make_unique<MenuReadRequest>();
    request->window = reinterpret_cast<UINT_PTR>(window);
    RemoteBlock requestBlock(process.get(), sizeof *request);
    requestBlock.write(request.get(), sizeof *request);
    const DWORD result = runRemoteThread(process.get(), readEntry, requestBlock.address(), "read the menu");
    if (result == MenuReadNoMenu) return {};
    if (result != MenuReadOk) throw DriverError("the menu reader failed (result " + std::to_string(result) + ")");
    requestBlock.read(request.get(), sizeof *request);
    return parseMenuListing(std::string(request->text, request->length));
}

}  // namespace zelvio::e2e
