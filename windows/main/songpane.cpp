// The main window's MP3 pane: the song list, and playing a selection through
// the outside player.

#include "common/paths.h"
#include "common/errors.h"
#include "common/workdir.h"
#include "platform/application.h"
#include "platform/controls/menu_item.h"
#include "playback/playlist.h"
#include "playback/songlines.h"
#include "programs/commandline.h"
#include "programs/runprogram.h"
#include "windows/main/mainwindow.h"

namespace zelvio {

void TForm1::BuildSongList() {
    SongLines songs = songListLines(app().fileSystem(), mp3list.directory(), mp3list.items());
    songFiles_ = mp3list.items();
    mpsonglist.setItems(std::move(songs.lines), std::move(songs.columns));
    // Told once the list stands for today's files.
    if (songs.unreadableIndex) throw InOutError(*songs.unreadableIndex);
}

std::optional<std::vector<std::string>> TForm1::selectedSongFiles() const {
    // A row stands for the file the list was built from; when the file list
    // has moved on since, no row may name a file the user never saw.
    if (songFiles_ != mp3list.items() || mpsonglist.count() != songFiles_.size()) return std::nullopt;
    std::vector<std::string> files;
    for (std::size_t row : mpsonglist.selection()) files.push_back(songFiles_[row]);
    return files;
}

void TForm1::PlaySongs() {
    FileSystem& fs = app().fileSystem();
    const auto selected = selectedSongFiles();
    if (!selected) return;
    information_.hide();
    std::vector<std::string> playlist;
    for (std::size_t k : playOrder(selected->size(), sortmenu.checked())) playlist.push_back((*selected)[k]);
    const std::string playlistPath = madeWorkdir(fs, session_.workdir) + "\\mpzelv.m3u";
    writePlaylist(fs, playlistPath, mp3dir.directory(), playlist);
    const std::string player = commandArgument(ShortPath(fs, session_.settings.playerpath));
    RunProgram(app(), player + " " + commandArgument(ShortPath(fs, playlistPath)), "the player", mp3dir.directory());
}

}  // namespace zelvio
