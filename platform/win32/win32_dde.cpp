// The one part of the backend that calls ANSI functions: Program Manager's
// conversation is in the ANSI code page (CP_WINANSI, CF_TEXT), and the paths
// it is sent are 8.3 forms, which that code page always holds.

#include "platform/win32/win32_dde.h"

#include "platform/win32/win32_unicode.h"

#include <string>

namespace zelvio {

namespace {

// Nothing to do with what the server tells the client: no command's answer is awaited.
HDDEDATA CALLBACK ignoreCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

}  // namespace

Win32Dde::Win32Dde() {
    if (DdeInitializeA(&instance_, ignoreCallback, APPCLASS_STANDARD | APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
        instance_ = 0;  // every conversation then fails, and says so
    }
}

Win32Dde::~Win32Dde() {
    disconnect();
    if (instance_ != 0) DdeUninitialize(instance_);
}

bool Win32Dde::connect(const std::string& service, const std::string& topic) {
    disconnect();
    if (instance_ == 0) return false;
    service_ = DdeCreateStringHandleA(instance_, ansiFromUtf8(service).c_str(), CP_WINANSI);
    topic_ = DdeCreateStringHandleA(instance_, ansiFromUtf8(topic).c_str(), CP_WINANSI);
    CONVCONTEXT context{};
    context.cb = sizeof context;
    context.iCodePage = CP_WINANSI;
    conversation_ = DdeConnect(instance_, service_, topic_, &context);
    if (conversation_ != nullptr) return true;
    disconnect();
    return false;
}

bool Win32Dde::execute(const std::string& command) {
    if (conversation_ == nullptr) return false;
    std::string text = ansiFromUtf8(command);
    text.push_back('\0');  // the terminating NUL goes with the command
    HDDEDATA data = DdeCreateDataHandle(instance_, reinterpret_cast<LPBYTE>(text.data()), static_cast<DWORD>(text.size()),
                                        0, nullptr, CF_TEXT, 0);
    if (data == nullptr) return false;
    DWORD result = 0;
    // Handed over, not waited for: the library owns the data handle now.
    return DdeClientTransaction(reinterpret_cast<LPBYTE>(data), static_cast<DWORD>(-1), conversation_, nullptr, CF_TEXT,
                                XTYP_EXECUTE, TIMEOUT_ASYNC, &result) != nullptr;
}

void Win32Dde::disconnect() {
    if (conversation_ != nullptr) DdeDisconnect(conversation_);
    conversation_ = nullptr;
    for (HSZ* name : {&service_, &topic_}) {
        if (*name != nullptr) DdeFreeStringHandle(instance_, *name);
        *name = nullptr;
    }
}

}  // namespace zelvio
