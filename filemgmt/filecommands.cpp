// Part of the main window: deleting and renaming the selected waves and MP3
// files. Failures to delete or rename are passed over: the refresh that
// follows shows what is on the disk.

#include "common/paths.h"
#include "filemgmt/renamefiledlg.h"
#include "platform/filesystem.h"
#include "playback/mpzelvio.h"
#include "shell/mainprogram.h"

namespace zelvio {

void TForm1::refreshWaves() {
    recdir.update();
    recfilelist.update();
}

void TForm1::refreshMp3s() {
    mp3dir.update();
    mp3list.update();
}

void TForm1::deletewaves() {
    FileSystem& fs = app().fileSystem();
    if (settings.cdmode == 0 && recfilelist.selectedCount() > 0 &&
        app().messageBox(MessageKind::Confirm, "Are you sure you want to delete the selected file(s)?",
                         MessageButtons::YesCancel) == MessageResult::Yes) {
        fs.changeDirectory(recdir.directory());
        for (std::size_t item : recfilelist.selection()) fs.deleteFile(recfilelist.items()[item]);
    }
    refreshWaves();
}

void TForm1::renamewaves() {
    FileSystem& fs = app().fileSystem();
    if (settings.cdmode == 0 && recfilelist.selectedCount() > 0) {
        fs.changeDirectory(recdir.directory());
        // Every dialog names a file as the list showed it when the command began.
        std::vector<std::string> names;
        for (std::size_t item : recfilelist.selection()) names.push_back(recfilelist.items()[item]);
        for (const std::string& name : names) {
            const std::string newName = program.renamedialog->askNewName(name);
            if (!newName.empty()) fs.renameFile(name, newName);
        }
    }
    refreshWaves();
}

void TForm1::deletemp3s() {
    FileSystem& fs = app().fileSystem();
    const auto files = selectedSongFiles();
    if (!files || files->empty()) return;
    if (app().messageBox(MessageKind::Confirm, "Are you sure you want to delete the selected Mp3(s)?",
                         MessageButtons::YesCancel) != MessageResult::Yes) {
        return;
    }
    fs.changeDirectory(mp3dir.directory());
    for (const std::string& file : *files) fs.deleteFile(file);
    refreshMp3s();
}

void TForm1::renamemp3s() {
    FileSystem& fs = app().fileSystem();
    const auto names = selectedSongFiles();
    if (!names || names->empty()) return;
    fs.changeDirectory(mp3dir.directory());
    bool renamed = false;
    for (const std::string& name : *names) {
        const std::string newName = program.renamedialog->askNewName(name);
        if (newName.empty()) continue;
        fs.renameFile(name, newName);
        renamed = true;
    }
    if (renamed) refreshMp3s();
}

}  // namespace zelvio
