// How long a program under Wine takes from being started until its main
// window is shown: from CreateProcess until a visible top-level window of
// that process bears the main window's caption. Each round starts, in turn,
// the bare window (bare_window.exe, the floor), the real program on an empty
// directory and the real program on an MP3 directory of 10,000 files with an
// index of as many entries; each is a fresh process, ended once its window is
// there. Prints each time, the medians and the program's ratio to the floor.
//   tools/wine-session.sh wine build/windows/startup_wine_bench.exe [ROUNDS]

#include "bench/startup_cases.h"
#include "tests/e2e/driver.h"

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
    bool found;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    if (owner == search.process && IsWindowVisible(window) && std::wstring(caption) == search.caption) {
        search.found = true;
        return FALSE;
    }
    return TRUE;
}

double startAndWait(const std::string& program, const std::string& directory, const wchar_t* caption) {
    const auto start = std::chrono::steady_clock::now();
    TestProcess process(program, directory);
    Search search{process.id(), caption, false};
    while (true) {
        EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) break;
        if (!process.running()) throw DriverError(process.label() + " ended before its window was shown");
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(30)) throw DriverError("no main window shown");
        Sleep(1);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
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

        std::vector<double> bareTimes, emptyTimes, bigTimes;
        for (int round = 0; round < rounds; ++round) {
            WorkDirectory empty;
            empty.writeFile("mpzelvio.cfg", settingsFor(empty.path(), empty.path()));
            bareTimes.push_back(startAndWait(bare, empty.path(), L"Bare Window"));
            std::printf("bare window shown after %.1f ms\n", bareTimes.back());
            emptyTimes.push_back(startAndWait(program, empty.path(), L"Mp3 Zelvio V 0.93"));
            std::printf("window shown after %.1f ms\n", emptyTimes.back());
            bigTimes.push_back(startAndWait(program, big.path(), L"Mp3 Zelvio V 0.93"));
            std::printf("window shown with %d songs after %.1f ms\n", bigDirectoryFiles, bigTimes.back());
        }
        const double floor = median(bareTimes);
        std::printf("bare window shown: median %.1f ms of %d\n", floor, rounds);
        std::printf("window shown: median %.1f ms of %d, %.2f x the bare window\n", median(emptyTimes), rounds,
                    median(emptyTimes) / floor);
        std::printf("window shown with %d songs: median %.1f ms of %d, %.2f x the bare window, %.2f x the empty one\n",
                    bigDirectoryFiles, median(bigTimes), rounds, median(bigTimes) / floor,
                    median(bigTimes) / median(emptyTimes));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_wine_bench: %s\n", error.what());
        return 1;
    }
}
