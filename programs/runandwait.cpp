#include "programs/runandwait.h"

#include "platform/event_loop.h"
#include "platform/launcher.h"

namespace zelvio {

RunOutcome RunAndWait(EventLoop& events, ProgramLauncher& launcher, const std::string& commandLine, int showMode,
                      const std::string& directory) {
    ProgramStart start = launcher.start(commandLine, showMode, directory);
    if (!start.program) return {.started = false, .error = start.error, .errorText = start.errorText};
    StartedProgram& program = *start.program;
    // A stop handled before this program started was meant for no program.
    events.takeStopMessage();
    bool stopped = false;
    const WaitEnd end =
        events.waitUntil([&] { return stopped = stopped || events.takeStopMessage(); }, {.program = &program});
    if (end == WaitEnd::Done) {
        program.terminate();
        return {.started = true, .stopped = true};
    }
    if (end == WaitEnd::ApplicationEnding) return {.started = true, .programEnding = true};
    return {.started = true, .exitCode = program.exitCode()};
}

}  // namespace zelvio
