#pragma once
// Starting outside programs: detached, or watched until they end.

#include <memory>
#include <optional>
#include <string>

namespace zelvio {

// A program the launcher started and watches.
class StartedProgram {
public:
    virtual ~StartedProgram() = default;
    // The exit code once it has ended; none while it runs.
    virtual std::optional<unsigned long> exitCode() = 0;
    // Ends it now.
    virtual void terminate() = 0;
};

struct ProgramStart {
    std::unique_ptr<StartedProgram> program;  // null when it could not be started
    unsigned long error = 0;                  // the system's error code then
    std::string errorText;                    // and its text, without a final "."
};

// Both start the program in `directory`, which it then has as its working
// directory; the program itself is looked for as the system looks for it.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts a command line detached, with WinExec's meaning of the result:
    // below 32 is a failure code.
    virtual unsigned startDetached(const std::string& commandLine, int showState, const std::string& directory) = 0;
    // Starts a command line to be waited for.
    virtual ProgramStart start(const std::string& commandLine, int showState, const std::string& directory) = 0;
};

}  // namespace zelvio
