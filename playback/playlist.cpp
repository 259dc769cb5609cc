#include "playback/playlist.h"

#include "common/filesystem.h"
#include "common/paths.h"
#include "common/textfile.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace zelvio {

namespace {

// The name the player reads for a file of the directory: its 8.3 form when
// it is long, or when the ANSI code page of the playlist cannot hold it.
std::string playlistEntry(FileSystem& fs, const std::string& directory, const std::string& file) {
    const std::string path = AddBackslash(directory) + file;
    const std::string shortened = ShortPath(fs, path);
    std::string name = shortened.substr(shortened.find_last_of('\\') + 1);
    if (!fs.ansiCodePageHolds(name)) {
        if (auto shortName = ShortName(fs, path)) name = *shortName;
    }
    return name;
}

}  // namespace

std::vector<std::size_t> playOrder(std::size_t n, bool shuffled, std::uint64_t seed) {
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    if (shuffled) {
        std::mt19937_64 random(seed);
        std::shuffle(order.begin(), order.end(), random);
    }
    return order;
}

void writePlaylist(FileSystem& fs, const std::string& path, const std::string& directory,
                   const std::vector<std::string>& files) {
    std::vector<std::string> lines;
    lines.reserve(files.size());
    for (const std::string& file : files) lines.push_back(playlistEntry(fs, directory, file));
    replaceWithLines(fs, path, lines, TextEncoding::Ansi);
}

}  // namespace zelvio
