#pragma once
// Running an outside program and waiting for its end, with the windows kept
// alive meanwhile; the stop message ends the program.

#include <optional>
#include <string>

namespace zelvio {

class EventLoop;
class ProgramLauncher;

struct RunOutcome {
    bool started = false;
    unsigned long error = 0;                // the system's code when it could not be started
    std::string errorText;                  // and its text
    std::optional<unsigned long> exitCode;  // when it ended by itself
    bool stopped = false;                   // ended by the stop message
    bool programEnding = false;             // the main window closed meanwhile: nobody waits any longer
};

RunOutcome RunAndWait(EventLoop& events, ProgramLauncher& launcher, const std::string& commandLine, int showMode,
                      const std::string& directory);

}  // namespace zelvio
