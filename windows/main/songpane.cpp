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

#include <algorithm>
#include <chrono>

namespace zelvio {

namespace {

// Tags read before the list shows: for as many rows as the screen is tall
// in rows of the smallest type. The rest wait for the first paint.
std::size_t rowsOnScreen(Application& app) {
    constexpr int smallestRow = 12;
    return static_cast<std::size_t>(std::max(app.toolkit().screenSize().height, 0) / smallestRow);
}

// How long one idle step reads tags: each step ends with the list drawn again.
constexpr std::chrono::milliseconds tagStepTime{15};

}  // namespace

void TForm1::BuildSongList() {
    SongLines songs = songListLines(app().fileSystem(), mp3list.directory(), mp3list.items(), rowsOnScreen(app()));
    songFiles_ = mp3list.items();
    songDirectory_ = mp3list.directory();
    mpsonglist.setItems(std::move(songs.lines), std::move(songs.columns));
    unreadTags_ = std::move(songs.unreadTags);
    nextUnreadTag_ = 0;
    askForTags();
    // Told once the list stands for today's files.
    if (songs.unreadableIndex) throw InOutError(*songs.unreadableIndex);
}

void TForm1::askForTags() {
    if (tagStepAsked_ || nextUnreadTag_ >= unreadTags_.size()) return;
    tagStepAsked_ = true;
    app().whenIdle([this] {
        tagStepAsked_ = false;
        readSomeTags();
    });
}

void TForm1::readSomeTags() {
    // A row stands for the file the list was built from, not for what the file list holds now.
    const auto until = app().toolkit().now() + tagStepTime;
    const std::size_t first = nextUnreadTag_;
    std::vector<ListBox::Revision> tagged;
    while (nextUnreadTag_ < unreadTags_.size() && (nextUnreadTag_ == first || app().toolkit().now() < until)) {
        const std::size_t row = unreadTags_[nextUnreadTag_++];
        if (auto line = taggedLine(app().fileSystem(), songDirectory_, songFiles_[row])) {
            tagged.push_back({row, std::move(line->text), std::move(line->columns)});
        }
    }
    mpsonglist.reviseItems(std::move(tagged));
    askForTags();
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
    const auto seed = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    for (std::size_t k : playOrder(selected->size(), sortmenu.checked(), seed)) playlist.push_back((*selected)[k]);
    const std::string playlistPath = madeWorkdir(fs, session_.workdir) + "\\mpzelv.m3u";
    writePlaylist(fs, playlistPath, mp3dir.directory(), playlist);
    const std::string player = commandArgument(ShortPath(fs, session_.settings.playerpath));
    startOutside(player + " " + commandArgument(ShortPath(fs, playlistPath)), "the player", mp3dir.directory());
}

}  // namespace zelvio
