// The main window's file commands: deleting the selected waves and MP3 files
// to the Recycle Bin, and renaming them. Failures to delete or rename are
// passed over: the refresh that follows shows what is on the disk.

#include "files/filecommands.h"
#include "platform/application.h"
#include "windows/main/mainwindow.h"

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
    if (session_.settings.cdmode == CdMode::Waves && recfilelist.selectedCount() > 0 &&
        app().messageBox(MessageKind::Confirm, "Are you sure you want to delete the selected file(s)?",
                         MessageButtons::YesCancel) == MessageResult::Yes) {
        std::vector<std::string> names;
        for (std::size_t item : recfilelist.selection()) names.push_back(recfilelist.items()[item]);
        deleteFiles(app().fileSystem(), recdir.directory(), names);
    }
    refreshWaves();
}

void TForm1::renamewaves() {
    if (session_.settings.cdmode == CdMode::Waves && recfilelist.selectedCount() > 0) {
        // Every dialog names a file as the list showed it when the command began.
        std::vector<std::string> names;
        for (std::size_t item : recfilelist.selection()) names.push_back(recfilelist.items()[item]);
        const std::string directory = recdir.directory();
        for (const std::string& name : names) {
            const std::string newName = links_.askNewName(name);
            if (!newName.empty()) renameFile(app().fileSystem(), directory, name, newName);
        }
    }
    refreshWaves();
}

void TForm1::deletemp3s() {
    const auto files = selectedSongFiles();
    if (!files || files->empty()) return;
    if (app().messageBox(MessageKind::Confirm, "Are you sure you want to delete the selected Mp3(s)?",
                         MessageButtons::YesCancel) != MessageResult::Yes) {
        return;
    }
    deleteFiles(app().fileSystem(), mp3dir.directory(), *files);
    refreshMp3s();
}

void TForm1::renamemp3s() {
    const auto names = selectedSongFiles();
    if (!names || names->empty()) return;
    const std::string directory = mp3dir.directory();
    bool renamed = false;
    for (const std::string& name : *names) {
        const std::string newName = links_.askNewName(name);
        if (newName.empty()) continue;
        renameFile(app().fileSystem(), directory, name, newName);
        renamed = true;
    }
    if (renamed) refreshMp3s();
}

}  // namespace zelvio
