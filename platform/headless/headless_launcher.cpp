#include "platform/headless/headless_launcher.h"

#include "platform/headless/headless_filesystem.h"
#include "platform/headless/headless_system_texts.h"
#include "platform/headless/headless_toolkit.h"

#include <memory>

namespace zelvio {

namespace {

// WinExec's failure codes.
constexpr unsigned fileNotFound = 2;
constexpr unsigned pathNotFound = 3;
constexpr unsigned started = 33;

// The program a command line names: the text up to the first blank, or a
// quoted name as a whole.
std::string programOf(const std::string& commandLine) {
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::size_t close = commandLine.find('"', 1);
        return commandLine.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    }
    return commandLine.substr(0, commandLine.find(' '));
}

// The directory part of a program's path; "." when it names none.
std::string directoryOf(const std::string& program) {
    const std::size_t separator = program.find_last_of("\\/");
    if (separator != std::string::npos) return program.substr(0, separator + 1);
    if (program.size() >= 2 && program[1] == ':') return program.substr(0, 2);
    return ".";
}

}  // namespace

unsigned HeadlessLauncher::startDetached(const std::string& commandLine, int showState, const std::string& directory) {
    starts_.push_back({commandLine, showState, directory});
    if (!scripted_.empty()) {
        const unsigned result = scripted_.front();
        scripted_.pop_front();
        return result;
    }
    const std::string program = programOf(commandLine);
    if (program.empty()) return fileNotFound;
    if (fs_.fileExists(program)) return started;
    return fs_.directoryExists(directoryOf(program)) ? fileNotFound : pathNotFound;
}

namespace {

// What a watched program and its scripted end share.
struct RunState {
    HeadlessLauncher::Start* record;  // in a deque: it stays where it is
    unsigned long exitCode;
    bool ended = false;
};

class WatchedProgram : public StartedProgram {
public:
    explicit WatchedProgram(std::shared_ptr<RunState> state) : state_(std::move(state)) {}

    std::optional<unsigned long> exitCode() override {
        if (!state_->ended) return std::nullopt;
        return state_->exitCode;
    }
    void terminate() override {
        if (state_->ended) return;
        state_->ended = true;
        state_->exitCode = 1;
        state_->record->terminated = true;
    }

private:
    std::shared_ptr<RunState> state_;
};

}  // namespace

ProgramStart HeadlessLauncher::start(const std::string& commandLine, int showState, const std::string& directory) {
    Run run;
    if (!runs_.empty()) {
        run = std::move(runs_.front());
        runs_.pop_front();
    }
    if (run.startError != 0) {
        return {nullptr, run.startError,
                run.startError == fileNotFound ? systemtext::FileNotFound : systemtext::PathNotFound};
    }
    watched_.push_back({commandLine, showState, directory, false});
    auto state = std::make_shared<RunState>(RunState{&watched_.back(), run.exitCode});
    // At its scripted end, unless it was ended before, it leaves what it makes.
    toolkit_.postAt(toolkit_.clock().now + run.lasts, [state, effect = std::move(run.effect)] {
        if (state->ended) return;
        state->ended = true;
        if (effect) effect();
    });
    return {std::make_unique<WatchedProgram>(std::move(state)), 0, {}};
}

}  // namespace zelvio
