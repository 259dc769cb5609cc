#include "encoding/runandwait.h"

#include "platform/application.h"
#include "platform/controls/memo.h"
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

RunOutcome runTellingFailures(Application& app, Memo& memo, const std::string& commandLine, const std::string& what) {
    constexpr int showNormal = 1;
    RunOutcome outcome = RunAndWait(app, commandLine, showNormal);
    if (!outcome.started) {
        memo.addLine("The " + what + " could not be started (" + outcome.errorText + "): " + commandLine);
    } else if (outcome.exitCode && *outcome.exitCode != 0) {
        memo.addLine("The " + what + " ended with exit code " + std::to_string(*outcome.exitCode) + ": " + commandLine);
    }
    return outcome;
}

std::string missingOutputLine(const std::string& mp3Path) { return "No MP3 file was made: " + mp3Path; }

}  // namespace zelvio
