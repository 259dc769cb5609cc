// How long the real main window under Wine takes from opening a directory
// in its directory list until the song list holds every line, for 1,000 and
// 10,000 MP3 files with an index of as many entries. Prints each time and
// the median of each size.
//   tools/wine-session.sh wine build/windows/songlist_wine_bench.exe [ROUNDS]

#include "tests/e2e/driver.h"
#include "bench/startup_cases.h"
#include "tests/e2e/utf8.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace zelvio::e2e;

namespace {

int itemNamed(HWND list, const std::string& text) {
    const auto items = listItems(list);
    const auto found = std::find(items.begin(), items.end(), text);
    if (found == items.end()) throw DriverError("the directory list has no " + text);
    return static_cast<int>(found - items.begin());
}

int songCount(HWND songs) { return static_cast<int>(SendMessageW(songs, LB_GETCOUNT, 0, 0)); }

// Opens the directory item and waits until the song list holds `lines` lines.
double openAndWait(HWND folders, HWND songs, const std::string& item, int lines) {
    const int index = itemNamed(folders, item);
    const auto start = std::chrono::steady_clock::now();
    doubleClickItem(folders, index);
    while (songCount(songs) != lines) Sleep(1);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
        WorkDirectory dir;
        dir.createDirectory("lib");
        makeSongDirectory(dir, "lib\\small", 1000);
        makeSongDirectory(dir, "lib\\big", 10000);
        dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.path(), dir.pathOf("lib"), "", "", "-hq", "0", "", "",
                                                 "", "100", "80", "640", "482"}));
        TestProcess program(programBeside("mpzelvio.exe"), dir.path());
        const HWND window = waitForWindow(program, "Mp3 Zelvio V 0.93");
        const HWND folders = findControl(window, "mp3dir");
        const HWND songs = findControl(window, "mpsonglist");
        for (const auto& [name, count] : {std::pair<std::string, int>{"small", 1000}, {"big", 10000}}) {
            std::vector<double> times;
            for (int round = 0; round < rounds; ++round) {
                times.push_back(openAndWait(folders, songs, name, count));
                openAndWait(folders, songs, "lib", 0);
                std::printf("%5d songs: %.1f ms\n", count, times.back());
            }
            std::sort(times.begin(), times.end());
            std::printf("%5d songs: median %.1f ms of %d\n", count, times[times.size() / 2], rounds);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "songlist_wine_bench: %s\n", error.what());
        return 1;
    }
}
