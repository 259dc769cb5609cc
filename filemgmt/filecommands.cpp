// Part of the main window: deleting and renaming the selected waves and MP3
// files. Failures to delete or rename are passed over: the refresh that
// follows shows what is on the disk.

#include "common/paths.h"
#include "filemgmt/renamefiledlg.h"
#include "platform/filesystem.h"
#include "playback/mpzelvio.h"
#include "shell/mainprogram.h"

namespace zelvio {

namespace {

// A new name moves nothing out of its directory: one that is no plain file name is refused.
bool acceptedNewName(Application& app, const std::string& newName) {
    if (newName.empty()) return false;
    if (IsPlainFileName(newName)) return true;
    app.messageBox(MessageKind::Information, NotAFileNameMessage(newName), MessageButtons::Ok);
    return false;
}

}  // namespace

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
            if (acceptedNewName(app(), newName)) fs.renameFile(name, newName);
        }
    }
    refreshWaves();
}

void TForm1::deletemp3s() {
    FileSystem& fs = app().fileSystem();
    if (mpsonglist.selectedCount() == 0) return;
    if (app().messageBox(MessageKind::Confirm, "Are you sure you want to delete the selected Mp3(s)?",
                         MessageButtons::YesCancel) != MessageResult::Yes) {
        return;
    }
    fs.changeDirectory(mp3dir.directory());
    for (std::size_t row : mpsonglist.selection()) fs.deleteFile(mp3list.items()[row]);
    refreshMp3s();
}

void TForm1::renamemp3s() {
    FileSystem& fs = app().fileSystem();
    if (mpsonglist.selectedCount() == 0) return;
    fs.changeDirectory(mp3dir.directory());
    std::vector<std::string> names;
    for (std::size_t row : mpsonglist.selection()) names.push_back(mp3list.items()[row]);
    bool renamed = false;
    for (const std::string& name : names) {
        const std::string newName = program.renamedialog->askNewName(name);
        if (!acceptedNewName(app(), newName)) continue;
        fs.renameFile(name, newName);
        renamed = true;
    }
    if (renamed) refreshMp3s();
}

}  // namespace zelvio
