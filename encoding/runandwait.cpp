#include "encoding/runandwait.h"

#include "platform/application.h"
#include "platform/launcher.h"

#include <chrono>

namespace zelvio {

namespace {
// The wait wakes at the program's end and at every message; the tick is only a safety net.
constexpr std::chrono::seconds tick{1};
}  // namespace

RunOutcome RunAndWait(Application& app, const std::string& commandLine, int showMode) {
    ProgramStart start = app.launcher().start(commandLine, showMode);
    if (!start.program) return {.started = false, .error = start.error, .errorText = start.errorText};
    StartedProgram& program = *start.program;
    // A stop handled before this program started was meant for no program.
    app.toolkit().takeStopMessage();
    for (;;) {
        app.toolkit().waitForProgram(program, tick);
        if (app.toolkit().takeStopMessage()) {
            program.terminate();
            return {.started = true, .stopped = true};
        }
        if (const auto code = program.exitCode()) return {.started = true, .exitCode = code};
        if (app.terminated()) return {.started = true, .programEnding = true};
    }
}

}  // namespace zelvio
