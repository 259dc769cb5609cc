// Where the main program's start-up time goes under Wine. The program is the
// real one (the same MainProgram on the same Win32 backend), started the way
// the start-up bench starts mpzelvio.exe, but its file system and window
// toolkit pass through timing wrappers that note each call: the directory
// listings, the drives, the settings file, each window's creation, the
// showing of the main window and the first messages it handles (its first
// paint), and the lines going into each list. Times count from the
// process's creation. The product has none of
// this: the wrappers live here.
//
//   tools/wine-session.sh wine build/windows/startup_profile.exe [ROUNDS]
//
// For each case (an empty directory; an MP3 directory of 10,000 files with
// an index) it prints every step with the medians of its start and its
// length, its longest length, and the median time spent before it since the
// previous step ended.

#include "app/mainprogram.h"
#include "bench/startup_cases.h"
#include "common/filesystem.h"
#include "platform/controls/list_box.h"
#include "platform/form.h"
#include "platform/toolkit.h"
#include "platform/win32/win32_platform.h"
#include "tests/e2e/driver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace zelvio {
namespace {

// Milliseconds since this process was created.
double sinceCreation() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](FILETIME time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 1e4;
}

struct Step {
    std::string name;
    double start;
    double end;
};

class Timeline {
public:
    void mark(const std::string& name) {
        const double now = sinceCreation();
        steps_.push_back({name, now, now});
    }
    template <class Call>
    auto time(const std::string& name, Call call) {
        struct Record {
            Timeline& line;
            std::string name;
            double start;
            ~Record() { line.add(name, start); }
        } record{*this, name, sinceCreation()};
        return call();
    }
    // A step that began at `start` and ends now.
    void add(const std::string& name, double start) { steps_.push_back({name, start, sinceCreation()}); }
    void write(const std::string& path) const {
        std::ofstream out(path);
        for (const auto& step : steps_) out << step.name << '\t' << step.start << '\t' << step.end << '\n';
    }

private:
    std::vector<Step> steps_;
};

class TimedFileSystem : public FileSystem {
public:
    TimedFileSystem(FileSystem& inner, Timeline& line) : inner_(inner), line_(line) {}

    std::string currentDirectory() override {
        return line_.time("currentDirectory", [&] { return inner_.currentDirectory(); });
    }
    void changeDirectory(const std::string& path) override {
        line_.time("changeDirectory", [&] { inner_.changeDirectory(path); });
    }
    bool fileExists(const std::string& path) override {
        return line_.time("fileExists " + lastName(path), [&] { return inner_.fileExists(path); });
    }
    bool directoryExists(const std::string& path) override {
        return line_.time("directoryExists", [&] { return inner_.directoryExists(path); });
    }
    bool deleteFile(const std::string& path) override { return inner_.deleteFile(path); }
    std::vector<RecycleResult> recycleFiles(const std::vector<std::string>& paths) override {
        return inner_.recycleFiles(paths);
    }
    bool renameFile(const std::string& from, const std::string& to) override { return inner_.renameFile(from, to); }
    void replaceFile(const std::string& from, const std::string& to) override { inner_.replaceFile(from, to); }
    void createDirectory(const std::string& path) override { inner_.createDirectory(path); }
    std::int64_t fileSize(const std::string& path) override {
        return line_.time("fileSize " + lastName(path), [&] { return inner_.fileSize(path); });
    }
    std::unique_ptr<LineReader> openText(const std::string& path) override {
        return line_.time("openText " + lastName(path), [&] { return inner_.openText(path); });
    }
    std::unique_ptr<LineWriter> createText(const std::string& path, TextEncoding encoding) override {
        return inner_.createText(path, encoding);
    }
    std::unique_ptr<ByteReader> openBytes(const std::string& path) override {
        return line_.time("openBytes " + lastName(path), [&] { return inner_.openBytes(path); });
    }
    std::unique_ptr<ByteWriter> createBytes(const std::string& path) override { return inner_.createBytes(path); }
    bool ansiCodePageHolds(const std::string& text) override { return inner_.ansiCodePageHolds(text); }
    std::optional<std::string> shortName(const std::string& path) override {
        return line_.time("shortName", [&] { return inner_.shortName(path); });
    }
    std::vector<DirectoryEntry> listDirectory(const std::string& path) override {
        const double start = sinceCreation();
        auto entries = inner_.listDirectory(path);
        line_.add("listDirectory " + lastName(path) + " (" + std::to_string(entries.size()) + ")", start);
        return entries;
    }
    std::vector<char> driveLetters() override {
        return line_.time("driveLetters", [&] { return inner_.driveLetters(); });
    }
    std::string volumeLabel(char letter) override {
        return line_.time(std::string("volumeLabel ") + letter, [&] { return inner_.volumeLabel(letter); });
    }
    std::string localAppData() override { return line_.time("localAppData", [&] { return inner_.localAppData(); }); }

private:
    static std::string lastName(const std::string& path) {
        const auto slash = path.find_last_of('\\');
        return slash == std::string::npos || slash + 1 == path.size() ? path : path.substr(slash + 1);
    }

    FileSystem& inner_;
    Timeline& line_;
};

// A list's peer, timed while it takes in its lines.
class TimedListPeer : public ControlPeer {
public:
    TimedListPeer(ControlPeer& inner, ListBox& list, Timeline& line) : inner_(inner), list_(list), line_(line) {}
    void update(ControlProperty property) override {
        if (property != ControlProperty::Items) return inner_.update(property);
        line_.time("lines into " + list_.name() + " (" + std::to_string(list_.count()) + ")",
                   [&] { inner_.update(property); });
    }

private:
    ControlPeer& inner_;
    ListBox& list_;
    Timeline& line_;
};

class TimedToolkit : public Toolkit {
public:
    TimedToolkit(Toolkit& inner, Timeline& line) : inner_(inner), line_(line) {}

    void createWindow(Form& form) override {
        line_.time("createWindow " + form.name(), [&] { inner_.createWindow(form); });
        for (const auto& control : form.controls()) {
            auto* list = dynamic_cast<ListBox*>(control.get());
            if (list == nullptr || list->peer() == nullptr) continue;
            listPeers_.push_back(std::make_unique<TimedListPeer>(*list->peer(), *list, line_));
            list->attach(listPeers_.back().get());
        }
    }
    Size screenSize() override { return inner_.screenSize(); }
    void setTitle(const std::string& title) override {
        line_.time("setTitle", [&] { inner_.setTitle(title); });
    }
    void runModal(Form& form) override { inner_.runModal(form); }
    // The main window has just been shown: the first messages are its
    // activation and first paint. Then the profile is over.
    void runMessageLoop(Application&) override {
        line_.mark("main window shown");
        line_.time("first messages (activation, paint)", [&] { inner_.processMessages(); });
    }
    void processMessages() override { inner_.processMessages(); }
    void waitForEvents(std::chrono::milliseconds atMost, StartedProgram* program) override {
        inner_.waitForEvents(atMost, program);
    }
    std::chrono::milliseconds now() override { return inner_.now(); }
    void postStopMessage() override { inner_.postStopMessage(); }
    bool takeStopMessage() override { return inner_.takeStopMessage(); }
    void whenIdle(std::function<void()> step) override { inner_.whenIdle(std::move(step)); }
    void quit() override { inner_.quit(); }
    MessageResult messageBox(const MessageBoxRequest& request) override {
        return line_.time("messageBox " + request.title, [&] { return inner_.messageBox(request); });
    }
    std::optional<std::string> openFileDialog(const OpenFileRequest& request) override {
        return inner_.openFileDialog(request);
    }
    MenuItem* trackPopupMenu(const PopupMenu& menu, Point screen) override {
        return inner_.trackPopupMenu(menu, screen);
    }

private:
    Toolkit& inner_;
    Timeline& line_;
    std::vector<std::unique_ptr<TimedListPeer>> listPeers_;
};

// The program itself, timed; the timeline goes to `output`.
int profileOnce(const std::string& output) {
    Timeline line;
    line.mark("main entered");
    {
        auto win32 = line.time("Win32Platform (common controls, application window)",
                               [] { return std::make_unique<Win32Platform>(); });
        Platform inner = win32->platform();
        TimedFileSystem fileSystem(inner.fileSystem, line);
        TimedToolkit toolkit(inner.toolkit, line);
        Platform timed{fileSystem, inner.launcher, toolkit, inner.media, inner.dde};
        auto program = line.time("MainProgram", [&] { return std::make_unique<MainProgram>(timed); });
        line.time("run", [&] { return program->run(); });
        line.time("windows destroyed", [&] { program.reset(); });
    }
    line.write(output);
    return 0;
}

}  // namespace
}  // namespace zelvio

namespace {

using namespace zelvio::e2e;

struct Row {
    std::string name;
    std::vector<double> starts, lengths, gaps;
};

// Runs the program `rounds` times in `directory` and prints the medians of each step.
void profileCase(const std::string& title, const std::string& directory, int rounds) {
    std::vector<Row> rows;
    for (int round = 0; round < rounds; ++round) {
        WorkDirectory scratch;
        const std::string output = scratch.pathOf("timeline.txt");
        TestProcess child(programBeside("startup_profile.exe"), directory, "--child \"" + output + "\"");
        if (child.waitForExit(std::chrono::seconds(60)) != 0) throw DriverError(child.label() + " failed");
        std::istringstream lines(scratch.readFile("timeline.txt"));
        std::string line;
        std::size_t index = 0;
        double previousEnd = 0;
        while (std::getline(lines, line)) {
            std::istringstream fields(line);
            std::string name, start, end;
            std::getline(fields, name, '\t');
            std::getline(fields, start, '\t');
            std::getline(fields, end, '\t');
            if (index == rows.size()) rows.push_back({name, {}, {}, {}});
            if (rows[index].name != name) throw DriverError("round " + std::to_string(round) + " took other steps");
            const double from = std::stod(start), to = std::stod(end);
            rows[index].starts.push_back(from);
            rows[index].lengths.push_back(to - from);
            rows[index].gaps.push_back(from - previousEnd);
            previousEnd = std::max(previousEnd, to);
            ++index;
        }
    }
    std::printf("\n%s: medians of %d rounds, ms since the process was created\n", title.c_str(), rounds);
    std::printf("%9s %9s %9s %9s  %s\n", "start", "length", "longest", "before", "step");
    for (const auto& row : rows) {
        std::printf("%9.1f %9.1f %9.1f %9.1f  %s\n", median(row.starts), median(row.lengths),
                    *std::max_element(row.lengths.begin(), row.lengths.end()), median(row.gaps), row.name.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--child") return zelvio::profileOnce(argv[2]);
    try {
        const int rounds = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 5;
        WorkDirectory empty;
        empty.writeFile("mpzelvio.cfg", settingsFor(empty.path(), empty.path()));
        profileCase("empty directory", empty.path(), rounds);

        WorkDirectory big;
        makeSongDirectory(big, "songs", bigDirectoryFiles);
        big.writeFile("mpzelvio.cfg", settingsFor(big.path(), big.pathOf("songs")));
        profileCase("MP3 directory of 10,000 files", big.path(), rounds);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_profile: %s\n", error.what());
        return 1;
    }
}
