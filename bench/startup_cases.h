#pragma once
// What the start-up benchmarks start the program on: a settings file naming
// its two directories, and an MP3 directory of many files with an index.

#include "tests/e2e/settings_file.h"
#include "tests/e2e/work_directory.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zelvio::e2e {

// The MP3 directory of the second case.
inline constexpr int bigDirectoryFiles = 10000;

// A complete settings file with the wave and MP3 panes in these directories.
inline std::string settingsFor(const std::string& waves, const std::string& mp3s) {
    return joinLines({"ver 1.5", waves, mp3s, "", "", "-hq", "0", "", "", "", "100", "80", "640", "482"});
}

// `count` empty MP3 files in `relative` (made here), each with an entry in its "index.dat".
inline void makeSongDirectory(const WorkDirectory& dir, const std::string& relative, int count) {
    dir.createDirectory(relative);
    std::string index;
    for (int i = 0; i < count; ++i) {
        const std::string song = "song_" + std::to_string(i) + ".mp3";
        dir.writeFile(relative + "\\" + song, "");
        index += song + "\r\nTitle of song " + std::to_string(i) + "\r\nSome Artist\r\n3:45\r\n";
    }
    dir.writeFile(relative + "\\index.dat", index);
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace zelvio::e2e
