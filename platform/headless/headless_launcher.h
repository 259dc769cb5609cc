#pragma once
// Starts nothing: records each command line and answers as the system
// would. Detached starts answer as WinExec does, by looking the program up in
// the headless file system; watched starts run as a test scripts them, on
// the headless clock.

#include "platform/launcher.h"

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zelvio {

class HeadlessFileSystem;
class HeadlessToolkit;

class HeadlessLauncher : public ProgramLauncher {
public:
    HeadlessLauncher(HeadlessFileSystem& fs, HeadlessToolkit& toolkit) : fs_(fs), toolkit_(toolkit) {}

    struct Start {
        std::string commandLine;
        int showState = 0;
        std::string directory;  // the working directory it was started in; empty: the program's
        bool terminated = false;
    };

    // The result is the next scripted one, else 33 when the program (the text
    // up to the first blank, or a name in quotes) exists as a file, 3 when its
    // directory does not exist, and 2 otherwise (an empty command line included).
    unsigned startDetached(const std::string& commandLine, int showState, const std::string& directory) override;
    void scriptResult(unsigned result) { scripted_.push_back(result); }

    // How the next watched program runs; an unscripted one ends at once with 0.
    struct Run {
        std::chrono::milliseconds lasts{0};
        unsigned long exitCode = 0;
        std::function<void()> effect;  // what it leaves behind, done as it ends
        unsigned long startError = 0;  // not 0: it cannot be started
    };
    void scriptRun(Run run) { runs_.push_back(std::move(run)); }
    ProgramStart start(const std::string& commandLine, int showState, const std::string& directory) override;

    const std::vector<Start>& starts() const { return starts_; }
    const std::deque<Start>& watched() const { return watched_; }

private:
    HeadlessFileSystem& fs_;
    HeadlessToolkit& toolkit_;
    std::deque<unsigned> scripted_;
    std::deque<Run> runs_;
    std::vector<Start> starts_;
    std::deque<Start> watched_;
};

}  // namespace zelvio
