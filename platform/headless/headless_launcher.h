#pragma once
// Starts nothing: records each command line and answers as WinExec would,
// by looking the program up in the headless file system.

#include "platform/launcher.h"

#include <deque>
#include <string>
#include <vector>

namespace zelvio {

class HeadlessFileSystem;

class HeadlessLauncher : public ProgramLauncher {
public:
    explicit HeadlessLauncher(HeadlessFileSystem& fs) : fs_(fs) {}

    struct Start {
        std::string commandLine;
        int showState = 0;
    };

    // The result is the next scripted one, else 33 when the program (the text
    // up to the first blank, or a name in quotes) exists as a file, 3 when its
    // directory does not exist, and 2 otherwise (an empty command line included).
    unsigned startDetached(const std::string& commandLine, int showState) override;

    void scriptResult(unsigned result) { scripted_.push_back(result); }
    const std::vector<Start>& starts() const { return starts_; }

private:
    HeadlessFileSystem& fs_;
    std::deque<unsigned> scripted_;
    std::vector<Start> starts_;
};

}  // namespace zelvio
