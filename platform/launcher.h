#pragma once
// Starting outside programs.

#include <string>

namespace zelvio {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts a command line detached, inheriting the current directory, with
    // WinExec's meaning of the result: below 32 is a failure code.
    virtual unsigned startDetached(const std::string& commandLine, int showState) = 0;
};

}  // namespace zelvio
