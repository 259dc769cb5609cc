// How long the real main window under Wine takes from opening a directory
// in its directory list until the song list holds every line, for 1,000 and
// 10,000 MP3 files with an index of as many entries, and for 10,000 MP3
// files with ID3v2 tags and no index ("tagged"): until the list holds every
// line, and until the last line shows its tag, read while the window is idle.
// Prints each time and the median of each.
//   tools/wine-session.sh wine build/windows/songlist_wine_bench.exe [ROUNDS]

#include "tests/e2e/driver.h"
#include "bench/startup_cases.h"
#include "tests/e2e/utf8.h"
#include "tests/unit/mp3_bytes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace zelvio::e2e;

namespace {

// As LAME tags a file: encoder, title, artist and length, with padding, before the audio.
void makeTaggedDirectory(const WorkDirectory& dir, const std::string& name, int count) {
    dir.createDirectory("lib\\" + name);
    for (int i = 0; i < count; ++i) {
        const std::string tag =
            zelvio::id3Tag({zelvio::id3Frame("TSSE", "LAME 64bits version 3.100"),
                            zelvio::id3Frame("TIT2", "Title of song " + std::to_string(i)),
                            zelvio::id3Frame("TPE1", "Some Artist"), zelvio::id3Frame("TLEN", "225000")},
                           256);
        dir.writeFile("lib\\" + name + "\\song_" + std::to_string(i) + ".mp3", tag + zelvio::mpegFrames(4));
    }
}

int itemNamed(HWND list, const std::string& text) {
    const auto items = listItems(list);
    const auto found = std::find(items.begin(), items.end(), text);
    if (found == items.end()) throw DriverError("the directory list has no " + text);
    return static_cast<int>(found - items.begin());
}

// Asks for the last line alone: reading all ten thousand would keep the program busy.
bool lastLineTagged(HWND songs) {
    const int count = listCount(songs);
    return count > 0 && listItem(songs, count - 1).starts_with("Title of song");
}

double since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

struct Opened {
    double shown;   // ms until the list holds every line
    double tagged;  // ms until its last line shows its tag
};

// Opens the directory item and waits until the song list holds `lines`
// lines, and with `tags` until the last of them shows its tag.
Opened openAndWait(HWND folders, HWND songs, const std::string& item, int lines, bool tags = false) {
    const int index = itemNamed(folders, item);
    const auto start = std::chrono::steady_clock::now();
    doubleClickItem(folders, index);
    while (listCount(songs) != lines) Sleep(1);
    Opened opened{since(start), 0};
    while (tags && !lastLineTagged(songs)) {
        if (since(start) > 60000) throw DriverError("the last song has no tag after a minute");
        Sleep(5);
    }
    opened.tagged = since(start);
    return opened;
}


}  // namespace

int main(int argc, char** argv) {
    try {
        const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
        WorkDirectory dir;
        dir.createDirectory("lib");
        makeSongDirectory(dir, "lib\\small", 1000);
        makeSongDirectory(dir, "lib\\big", 10000);
        makeTaggedDirectory(dir, "tagged", 10000);
        dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.path(), dir.pathOf("lib"), "", "", "-hq", "0", "", "",
                                                 "", "100", "80", "640", "482"}));
        TestProcess program(programBeside("mpzelvio.exe"), dir.path());
        const HWND window = waitForWindow(program, "Mp3 Zelvio V 0.93");
        const HWND folders = findControl(window, "mp3dir");
        const HWND songs = findControl(window, "mpsonglist");
        for (const auto& [name, count] :
             {std::pair<std::string, int>{"small", 1000}, {"big", 10000}, {"tagged", 10000}}) {
            const bool tagged = name == "tagged";
            const char* kind = tagged ? " tagged" : "";
            std::vector<double> shown;
            std::vector<double> complete;
            for (int round = 0; round < rounds; ++round) {
                const Opened opened = openAndWait(folders, songs, name, count, tagged);
                openAndWait(folders, songs, "lib", 0);
                shown.push_back(opened.shown);
                complete.push_back(opened.tagged);
                std::printf("%5d%s songs: %.1f ms", count, kind, opened.shown);
                if (tagged) std::printf(", every tag %.1f ms", opened.tagged);
                std::printf("\n");
            }
            const double shownMedian = median(shown);
            const double taggedMedian = median(complete);
            std::printf("%5d%s songs: median %.1f ms of %d", count, kind, shownMedian, rounds);
            if (tagged) std::printf(", every tag %.1f ms", taggedMedian);
            std::printf("\n");
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "songlist_wine_bench: %s\n", error.what());
        return 1;
    }
}
