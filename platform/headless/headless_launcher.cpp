#include "platform/headless/headless_launcher.h"

#include "platform/headless/headless_filesystem.h"

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

unsigned HeadlessLauncher::startDetached(const std::string& commandLine, int showState) {
    starts_.push_back({commandLine, showState});
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

}  // namespace zelvio
