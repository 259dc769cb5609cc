#pragma once
// Starting programs detached with CreateProcessW, answering as WinExec does.

#include "platform/launcher.h"

#include <windows.h>

namespace zelvio {

// A started program's process, closed with it.
class Win32StartedProgram : public StartedProgram {
public:
    explicit Win32StartedProgram(HANDLE process) : process_(process) {}
    ~Win32StartedProgram() override { CloseHandle(process_); }
    Win32StartedProgram(const Win32StartedProgram&) = delete;
    Win32StartedProgram& operator=(const Win32StartedProgram&) = delete;

    std::optional<unsigned long> exitCode() override;
    void terminate() override;
    // Signalled when the program ends: what a wait blocks on.
    HANDLE handle() const { return process_; }

private:
    HANDLE process_;
};

class Win32Launcher : public ProgramLauncher {
public:
    unsigned startDetached(const std::string& commandLine, int showState, const std::string& directory) override;
    ProgramStart start(const std::string& commandLine, int showState, const std::string& directory) override;
};

}  // namespace zelvio
