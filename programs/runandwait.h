#pragma once
// Running an outside program and waiting for its end, with the windows kept
// alive meanwhile; the stop message ends the program.

#include <optional>
#include <string>

namespace zelvio {

class Application;
class Progress;

struct RunOutcome {
    bool started = false;
    unsigned long error = 0;                // the system's code when it could not be started
    std::string errorText;                  // and its text
    std::optional<unsigned long> exitCode;  // when it ended by itself
    bool stopped = false;                   // ended by the stop message
    bool programEnding = false;             // the main window closed meanwhile: nobody waits any longer
};

RunOutcome RunAndWait(Application& app, const std::string& commandLine, int showMode, const std::string& directory);

// RunAndWait with a normal window, telling the output lines when the program
// (`what`: "encoder", "ripper") could not start or ended with a failure code.
RunOutcome runTellingFailures(Application& app, Progress& progress, const std::string& commandLine,
                              const std::string& what, const std::string& directory);

// The output line for an encoder that left no MP3 file.
std::string missingOutputLine(const std::string& mp3Path);

}  // namespace zelvio
