// How long a program under Wine takes from being started until its main
// window is shown, and until it is ready: from CreateProcess until a visible
// top-level window of that process bears the main window's caption, and until
// then every control of its layout has its window and the song list holds a
// row for every MP3 file. Each round starts, in turn,
// the bare window (bare_window.exe, the floor), the real program on an empty
// directory and the real program on an MP3 directory of 10,000 files with an
// index of as many entries; each is a fresh process, ended once its window is
// there. Prints each time, the medians and the program's ratio to the floor.
// Given another build of mpzelvio.exe, each round starts it too, after the
// program beside the bench, for a comparison measured side by side.
//   tools/wine-session.sh wine build/windows/startup_wine_bench.exe [ROUNDS [OTHER_MPZELVIO.exe]]

#include "bench/startup_cases.h"
#include "tests/e2e/driver.h"
#include "windows/main/mainwindow_layout.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace zelvio::e2e;

namespace {

struct Search {
    DWORD process;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    if (owner == search.process && IsWindowVisible(window) && std::wstring(caption) == search.caption) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// The controls of the main window's layout that have a window of their own.
int windowedControls() {
    const auto layout = zelvio::mainlayout::controls();
    return static_cast<int>(std::count_if(layout.begin(), layout.end(), [](const auto& c) { return c.ownsWindow(); }));
}

// A control's design name, read in place: the driver's designName runs each
// call on a thread of its own to bound it, which costs about a millisecond a
// control under Wine and would be counted as the program's.
std::string nameOf(HWND control) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(control, "Name")));
    char name[256] = {};
    return std::string(name, atom == 0 ? 0 : GlobalGetAtomNameA(atom, name, sizeof name));
}

// Every control of the layout has its window, and the song list its rows.
bool ready(HWND window, int controls, int songs) {
    int named = 0;
    HWND songList = nullptr;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string name = nameOf(child);
        if (name.empty()) continue;
        ++named;
        if (lstrcmpiA(name.c_str(), "mpsonglist") == 0) songList = child;
    }
    // Another build may have windows this one's layout does without.
    return named >= controls && songList != nullptr && SendMessageW(songList, LB_GETCOUNT, 0, 0) == songs;
}

struct Times {
    double visible = 0;
    double ready = 0;
};

// Starts the program and times it until its window shows and until it is
// ready; a program with no layout (the bare window) is ready when it shows.
Times startAndWait(const std::string& program, const std::string& directory, const wchar_t* caption, int controls,
                   int songs) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto since = [&] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); };
    TestProcess process(program, directory);
    Search search{process.id(), caption, nullptr};
    Times times;
    while (times.ready == 0) {
        if (search.found == nullptr) {
            EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
            if (search.found != nullptr) times.visible = since();
        }
        if (search.found != nullptr && (controls == 0 || ready(search.found, controls, songs))) times.ready = since();
        if (!process.running()) throw DriverError(process.label() + " ended before its window was ready");
        if (Clock::now() - start > std::chrono::seconds(30)) throw DriverError("no main window ready");
        if (times.ready == 0) Sleep(1);
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const int rounds = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 5;
        const std::string bare = programBeside("bare_window.exe");
        const std::string program = programBeside("mpzelvio.exe");

        WorkDirectory big;
        makeSongDirectory(big, "songs", bigDirectoryFiles);
        big.writeFile("mpzelvio.cfg", settingsFor(big.path(), big.pathOf("songs")));

        const int controls = windowedControls();
        const std::string other = argc > 2 ? argv[2] : "";
        std::vector<double> bareTimes, emptyShown, emptyReady, bigShown, bigReady, otherShown, otherReady;
        for (int round = 0; round < rounds; ++round) {
            WorkDirectory empty;
            empty.writeFile("mpzelvio.cfg", settingsFor(empty.path(), empty.path()));
            bareTimes.push_back(startAndWait(bare, empty.path(), L"Bare Window", 0, 0).visible);
            std::printf("bare window shown after %.1f ms\n", bareTimes.back());
            const Times emptyStart = startAndWait(program, empty.path(), L"Mp3 Zelvio V 0.93", controls, 0);
            emptyShown.push_back(emptyStart.visible);
            emptyReady.push_back(emptyStart.ready);
            std::printf("window shown after %.1f ms, ready after %.1f ms\n", emptyStart.visible, emptyStart.ready);
            const Times bigStart = startAndWait(program, big.path(), L"Mp3 Zelvio V 0.93", controls, bigDirectoryFiles);
            bigShown.push_back(bigStart.visible);
            bigReady.push_back(bigStart.ready);
            std::printf("window shown with %d songs after %.1f ms, ready after %.1f ms\n", bigDirectoryFiles,
                        bigStart.visible, bigStart.ready);
            if (other.empty()) continue;
            const Times otherStart = startAndWait(other, empty.path(), L"Mp3 Zelvio V 0.93", controls, 0);
            otherShown.push_back(otherStart.visible);
            otherReady.push_back(otherStart.ready);
            std::printf("other build's window shown after %.1f ms, ready after %.1f ms\n", otherStart.visible,
                        otherStart.ready);
        }
        const double floor = median(bareTimes);
        std::printf("bare window shown: median %.1f ms of %d\n", floor, rounds);
        std::printf("window shown: median %.1f ms, %.2f x the bare window; ready: median %.1f ms, %.2f x\n",
                    median(emptyShown), median(emptyShown) / floor, median(emptyReady), median(emptyReady) / floor);
        std::printf("window with %d songs shown: median %.1f ms, %.2f x the bare window; ready: median %.1f ms, "
                    "%.2f x, %.2f x the empty one\n",
                    bigDirectoryFiles, median(bigShown), median(bigShown) / floor, median(bigReady),
                    median(bigReady) / floor, median(bigReady) / median(emptyReady));
        if (!other.empty()) {
            std::printf("other build's window shown: median %.1f ms, %.2f x the bare window; ready: median %.1f ms, "
                        "%.2f x\n",
                        median(otherShown), median(otherShown) / floor, median(otherReady), median(otherReady) / floor);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_wine_bench: %s\n", error.what());
        return 1;
    }
}
