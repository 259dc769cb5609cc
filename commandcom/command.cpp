// command.com for systems that have none: "command.com /c PROGRAM ARGUMENTS"
// runs PROGRAM with its arguments exactly as written, waits for it and ends
// with its exit code. It is no shell: "&", "|", "<", ">", "^" and "%" reach
// the program untouched, and so do the quotes.
//
// Stopping an encoder means ending this process; the program it started
// must not carry on alone, so it runs in a job that dies with us.

#include <windows.h>

#include <string>
#include <string_view>

namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view skipBlanks(std::wstring_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return text;
}

// The first word of a command line, the way Windows reads a program name:
// up to the closing quote when it starts with one, else up to a blank.
std::wstring_view firstWord(std::wstring_view line) {
    if (!line.empty() && line.front() == L'"') {
        const auto close = line.find(L'"', 1);
        return line.substr(0, close == std::wstring_view::npos ? line.size() : close + 1);
    }
    std::size_t end = 0;
    while (end < line.size() && !isBlank(line[end])) ++end;
    return line.substr(0, end);
}

std::wstring_view unquoted(std::wstring_view word) {
    if (!word.empty() && word.front() == L'"') word.remove_prefix(1);
    if (!word.empty() && word.back() == L'"') word.remove_suffix(1);
    return word;
}

// One line on stderr: wide on a console, UTF-8 into a pipe or a file.
void complain(const std::wstring& text) {
    const std::wstring line = text + L"\r\n";
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (err == nullptr || err == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(err, &mode)) {
        WriteConsoleW(err, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        return;
    }
    const int size = static_cast<int>(line.size());
    std::string bytes(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, line.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), size, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
    WriteFile(err, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring systemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
        reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : L"error " + std::to_wstring(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || isBlank(message.back()))) {
        message.pop_back();
    }
    return message;
}

// A suspended child, so that it runs no code before it is in the job.
bool startSuspended(std::wstring line, DWORD flags, PROCESS_INFORMATION& process) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED | flags, nullptr, nullptr,
                          &startup, &process);
}

void discard(PROCESS_INFORMATION& process) {
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// A job that kills what is in it when its last handle closes; ours is the
// only one, and the system closes it when this process ends for any reason.
HANDLE killOnCloseJob() {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (!job) return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        CloseHandle(job);
        return nullptr;
    }
    return job;
}

}  // namespace

int main() {
    std::wstring_view rest = skipBlanks(GetCommandLineW());
    rest = skipBlanks(rest.substr(firstWord(rest).size()));
    if (rest.size() < 2 || rest[0] != L'/' || (rest[1] != L'c' && rest[1] != L'C')) {
        complain(L"usage: command.com /c PROGRAM [ARGUMENTS]");
        return 1;
    }
    const std::wstring_view command = skipBlanks(rest.substr(2));
    if (command.empty()) {
        complain(L"usage: command.com /c PROGRAM [ARGUMENTS]");
        return 1;
    }

    PROCESS_INFORMATION child{};
    if (!startSuspended(std::wstring(command), 0, child)) {
        const DWORD error = GetLastError();
        complain(L"command.com: cannot run " + std::wstring(unquoted(firstWord(command))) + L": " + systemMessage(error));
        return error ? static_cast<int>(error) : 1;
    }

    // Inside a job already (a caller's own), a second one needs Windows 8;
    // before that the child may still break away from the caller's job into
    // ours. Failing both, it runs unguarded rather than not at all.
    HANDLE job = killOnCloseJob();
    if (job && !AssignProcessToJobObject(job, child.hProcess)) {
        PROCESS_INFORMATION apart{};
        if (startSuspended(std::wstring(command), CREATE_BREAKAWAY_FROM_JOB, apart)) {
            if (AssignProcessToJobObject(job, apart.hProcess)) {
                discard(child);
                child = apart;
            } else {
                discard(apart);
            }
        }
    }

    ResumeThread(child.hThread);
    CloseHandle(child.hThread);
    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hProcess);
    if (job) CloseHandle(job);
    return static_cast<int>(exitCode);
}
