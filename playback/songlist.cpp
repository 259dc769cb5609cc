// Part of the main window: the MP3 pane's song list and playing a selection
// through the outside player.

#include "common/errors.h"
#include "common/paths.h"
#include "common/textencoding.h"
#include "common/textfile.h"
#include "encoding/commandline.h"
#include "encoding/compress.h"
#include "platform/filesystem.h"
#include "playback/mpzelvio.h"
#include "playback/songtext.h"
#include "shell/launcher.h"
#include "shell/mainprogram.h"
#include "songindex/indexfile.h"
#include "songindex/indexlookup.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <optional>
#include <random>

namespace zelvio {

namespace {

constexpr const char* playlistName = "mpzelv.m3u";

// The name the player reads for a listed file: the 8.3 form of a long one,
// and of one the ANSI code page of the playlist cannot hold.
std::string playlistEntry(FileSystem& fs, const std::string& listedName) {
    std::string name = ShortPath(fs, listedName);
    if (!fs.ansiCodePageHolds(name)) {
        if (auto shortName = ShortName(fs, listedName)) name = *shortName;
    }
    return name;
}

}  // namespace

void TForm1::BuildSongList() {
    FileSystem& fs = app().fileSystem();
    const std::string indexPath = indexfilename(mp3list.directory());
    // One read of the index for the whole list; without an index every line is a bare file name.
    // An index that cannot be read counts as none: the lines still stand for
    // today's files, and the error is told once they do.
    IndexLookup index{WorkingCopy{}};
    std::optional<InOutError> unreadableIndex;
    if (fs.fileExists(indexPath)) {
        try {
            index = IndexLookup(fs, indexPath);
        } catch (const InOutError& error) {
            unreadableIndex = error;
        }
    }
    std::vector<std::string> lines;
    lines.reserve(mp3list.count());
    for (const std::string& name : mp3list.items()) {
        const IndexEntry* entry = index.find(name);
        lines.push_back(entry != nullptr ? songtext(*entry) : name);
    }
    songFiles = mp3list.items();
    mpsonglist.setItems(std::move(lines));
    if (unreadableIndex) throw *unreadableIndex;
}

std::optional<std::vector<std::string>> TForm1::selectedSongFiles() const {
    // A row stands for the file the list was built from; when the file list
    // has moved on since, no row may name a file the user never saw.
    if (songFiles != mp3list.items() || mpsonglist.count() != songFiles.size()) return std::nullopt;
    std::vector<std::string> files;
    for (std::size_t row : mpsonglist.selection()) files.push_back(songFiles[row]);
    return files;
}

void TForm1::PlaySongs() {
    FileSystem& fs = app().fileSystem();
    const auto selected = selectedSongFiles();
    if (!selected) return;
    if (program.compressinfo->visible()) program.compressinfo->close();
    std::mt19937 random(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));

    fs.changeDirectory(mp3dir.directory());
    std::vector<std::size_t> order(selected->size());
    std::iota(order.begin(), order.end(), 0);
    if (sortmenu.checked()) std::shuffle(order.begin(), order.end(), random);

    std::vector<std::string> names;
    names.reserve(selected->size());
    for (const std::string& file : *selected) names.push_back(playlistEntry(fs, file));
    std::vector<std::string> playlist;
    playlist.reserve(order.size());
    for (std::size_t k : order) playlist.push_back(names[k]);

    const std::string playlistPath = programdir + "\\" + playlistName;
    replaceWithLines(fs, playlistPath, playlist, TextEncoding::Ansi);
    fs.changeDirectory(mp3dir.directory());
    const std::string player = commandArgument(ShortPath(fs, settings.playerpath));
    RunProgram(app(), player + " " + commandArgument(ShortPath(fs, playlistPath)), "the player");
}

}  // namespace zelvio
