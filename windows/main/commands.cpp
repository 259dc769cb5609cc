// The main window's other commands: encoding, the index editor, the mixer,
// the settings, the view and help menus.

#include "common/paths.h"
#include "platform/application.h"
#include "playback/cdtrack.h"
#include "programs/commandline.h"
#include "programs/runprogram.h"
#include "songindex/indexfile.h"
#include "windows/main/mainwindow.h"

namespace zelvio {

void TForm1::Encode() {
    information_.hide();
    if (session_.settings.encoderpath.empty()) {
        app().messageBox(MessageKind::Information,
                         "Sorry, the encoder path in the config is blank please enter the pathby selecting the config "
                         "button on the main screen.",
                         MessageButtons::Ok);
        return;
    }
    const std::vector<std::size_t> selected = recfilelist.selection();
    if (selected.empty()) return;
    const std::string question = selected.size() == 1
                                     ? "Encode the selected file?"
                                     : "Encode the selected " + std::to_string(selected.size()) + " files?";
    if (app().messageBox(MessageKind::Confirm, question, MessageButtons::YesCancel) != MessageResult::Yes) return;

    std::vector<std::string> files;
    std::vector<int> tracks;
    for (std::size_t item : selected) {
        files.push_back(recfilelist.items()[item]);
        tracks.push_back(cdTrackNumber(recfilelist.items()[item], item));
    }
    links_.encodeFiles(std::move(files), std::move(tracks), indexfilename(mp3dir.directory()));
}

void TForm1::compilebuttclick() {
    Encode();
    // The button, unlike the menu command, shows the new MP3 files at once.
    mp3dir.update();
}

void TForm1::Encode1Click() { Encode(); }

void TForm1::IndexEdit() {
    const auto files = selectedSongFiles();
    if (!files) return;
    if (files->empty()) {
        app().messageBox(MessageKind::Information, "You must first select some MP3 Files to index", MessageButtons::Ok);
        return;
    }
    links_.editIndex(*files, mp3dir.directory());
    // After OK and Cancel alike, the song list is built from the files and the index again.
    refreshMp3s();
}

void TForm1::startMixer() {
    startOutside(commandArgument(ShortPath(app().fileSystem(), session_.settings.mixerpath)), "the mixer", {});
}

void TForm1::startOutside(const std::string& commandLine, const std::string& what, const std::string& directory) {
    if (const auto failure = RunProgram(app().launcher(), commandLine, directory)) {
        app().messageBox(MessageKind::Warning, "Error executing " + what + " the message was :" + *failure,
                         MessageButtons::Ok);
    }
}

void TForm1::notYetImplemented() {
    app().messageBox(MessageKind::Information, "Sorry function not yet implemented.", MessageButtons::Ok);
}

void TForm1::Index1Click() { notYetImplemented(); }

void TForm1::Extensions1Click() { notYetImplemented(); }

void TForm1::About1Click() { links_.showAbout(); }

void TForm1::sortmenuClick() { sortmenu.setChecked(!sortmenu.checked()); }

void TForm1::RefreshAll() {
    paintPending();
    recdir.update();
    recfilelist.update();
    mp3list.update();
    mp3dir.update();
}

}  // namespace zelvio
