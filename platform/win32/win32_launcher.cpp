#include "platform/win32/win32_launcher.h"

#include "platform/win32/win32_short_path.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_unicode.h"

#include <windows.h>

namespace zelvio {

namespace {

// WinExec's answers: 33 for a started program, else a code below 32.
constexpr unsigned started = 33;
constexpr unsigned fileNotFound = ERROR_FILE_NOT_FOUND;
constexpr unsigned badFormat = 11;

// The code WinExec gives for the error CreateProcess left.
unsigned winExecCode(DWORD error) {
    if (error == ERROR_BAD_EXE_FORMAT) return badFormat;
    if (error == ERROR_NOT_ENOUGH_MEMORY || error == ERROR_OUTOFMEMORY) return 0;
    return error < 32 ? error : badFormat;
}

// No directory: the program shares this one's.
const wchar_t* orNull(const std::wstring& directory) { return directory.empty() ? nullptr : directory.c_str(); }

}  // namespace

unsigned Win32Launcher::startDetached(const std::string& commandLine, int showState, const std::string& directory) {
    // CreateProcess rejects an empty line for a reason of its own; WinExec
    // finds no file in it.
    if (commandLine.find_first_not_of(' ') == std::string::npos) return fileNotFound;
    std::wstring line = wide(commandLine);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showState);
    PROCESS_INFORMATION process{};
    const std::wstring workingDirectory = workingDirectoryFor(wide(directory));
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, orNull(workingDirectory), &startup,
                        &process)) {
        return winExecCode(GetLastError());
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return started;
}

std::optional<unsigned long> Win32StartedProgram::exitCode() {
    // Asked of the process, not of its code: a program may end with 259 itself.
    if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void Win32StartedProgram::terminate() {
    if (TerminateProcess(process_, 1)) WaitForSingleObject(process_, 5000);
}

ProgramStart Win32Launcher::start(const std::string& commandLine, int showState, const std::string& directory) {
    std::wstring line = wide(commandLine);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEONFEEDBACK;
    startup.wShowWindow = static_cast<WORD>(showState);
    PROCESS_INFORMATION process{};
    const std::wstring workingDirectory = workingDirectoryFor(wide(directory));
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                        orNull(workingDirectory), &startup, &process)) {
        const DWORD error = GetLastError();
        return {nullptr, error, systemErrorText(error)};
    }
    CloseHandle(process.hThread);
    return {std::make_unique<Win32StartedProgram>(process.hProcess), 0, {}};
}

}  // namespace zelvio
