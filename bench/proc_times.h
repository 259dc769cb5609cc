#pragma once
// The processor time Linux counts for the program under test, read from
// /proc through Wine's drive Z: Wine's GetProcessTimes does not see another
// process's time.

#include "tests/e2e/driver_error.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace zelvio::e2e {

// The whole of a small /proc file, or "" when it cannot be read.
inline std::string readProcFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    std::string text;
    char block[4096];
    DWORD got = 0;
    while (ReadFile(file, block, sizeof block, &got, nullptr) && got > 0) text.append(block, got);
    CloseHandle(file);
    return text;
}

// "Z:\proc\PID" of the process named mpzelvio.exe in this Wine session:
// other sessions on the machine may run one too, so its environment must
// name the same session directory as ours.
inline std::string procPath() {
    char session[MAX_PATH] = {};
    GetEnvironmentVariableA("ZELVIO_WINE_SESSION", session, MAX_PATH);
    const std::string mark = std::string("ZELVIO_WINE_SESSION=") + session + '\0';
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) throw DriverError("no /proc to read the program's processor time from");
    std::string path;
    do {
        const std::string name = found.cFileName;
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        const std::string candidate = "Z:\\proc\\" + name;
        if (readProcFile(candidate + "\\comm").rfind("mpzelvio.exe", 0) != 0) continue;
        if (session[0] == '\0' || readProcFile(candidate + "\\environ").find(mark) != std::string::npos)
            path = candidate;
    } while (path.empty() && FindNextFileA(search, &found));
    FindClose(search);
    if (path.empty()) throw DriverError("mpzelvio.exe is not among the processes in /proc");
    return path;
}

// User and system time, fields 14 and 15 of a /proc stat file, in clock ticks of 1/100 s.
inline double processorSeconds(const std::string& stat) {
    HANDLE file = CreateFileA(stat.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw DriverError("cannot read " + stat);
    char text[1024] = {};
    DWORD got = 0;
    ReadFile(file, text, sizeof text - 1, &got, nullptr);
    CloseHandle(file);
    std::string fields = text;
    fields.erase(0, fields.rfind(')') + 2);  // after "pid (name) ": field 3 onwards
    unsigned long long user = 0, system = 0;
    std::sscanf(fields.c_str(), "%*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %llu %llu", &user, &system);
    return static_cast<double>(user + system) / 100.0;
}

// The whole process of mpzelvio.exe, and its first thread, which runs the
// windows and every waiting loop.
class ProcessorTimes {
public:
    ProcessorTimes() {
        const std::string directory = procPath();
        const std::string pid = directory.substr(directory.rfind('\\') + 1);
        stat_ = directory + "\\stat";
        thread_ = directory + "\\task\\" + pid + "\\stat";  // the first thread's id is the process's
    }
    double process() const { return processorSeconds(stat_); }
    double windowThread() const { return processorSeconds(thread_); }

private:
    std::string stat_;
    std::string thread_;
};

}  // namespace zelvio::e2e
