#include "programs/runandwait.h"

#include "common/progress.h"
#include "platform/application.h"
#include "platform/launcher.h"

namespace zelvio {

RunOutcome RunAndWait(Application& app, const std::string& commandLine, int showMode, const std::string& directory) {
    ProgramStart start = app.launcher().start(commandLine, showMode, directory);
    if (!start.program) return {.started = false, .error = start.error, .errorText = start.errorText};
    StartedProgram& program = *start.program;
    Toolkit& toolkit = app.toolkit();
    // A stop handled before this program started was meant for no program.
    toolkit.takeStopMessage();
    bool stopped = false;
    const WaitEnd end =
        app.waitUntil([&] { return stopped = stopped || toolkit.takeStopMessage(); }, {.program = &program});
    if (end == WaitEnd::Done) {
        program.terminate();
        return {.started = true, .stopped = true};
    }
    if (end == WaitEnd::ApplicationEnding) return {.started = true, .programEnding = true};
    return {.started = true, .exitCode = program.exitCode()};
}

RunOutcome runTellingFailures(Application& app, Progress& progress, const std::string& commandLine,
                              const std::string& what, const std::string& directory) {
    constexpr int showNormal = 1;
    RunOutcome outcome = RunAndWait(app, commandLine, showNormal, directory);
    if (!outcome.started) {
        progress.addLine("The " + what + " could not be started (" + outcome.errorText + "): " + commandLine);
    } else if (outcome.exitCode && *outcome.exitCode != 0) {
        progress.addLine("The " + what + " ended with exit code " + std::to_string(*outcome.exitCode) + ": " +
                         commandLine);
    }
    return outcome;
}

std::string missingOutputLine(const std::string& mp3Path) { return "No MP3 file was made: " + mp3Path; }

}  // namespace zelvio
