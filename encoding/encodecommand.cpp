// Part of the main window: the Encode command, which hands the selected waves
// or CD tracks to the index data dialog, and the voice recorder's openers.

#include "encoding/compress.h"
#include "encoding/voicerecord.h"
#include "playback/cdtrack.h"
#include "playback/mpzelvio.h"
#include "shell/mainprogram.h"
#include "songindex/indexfile.h"
#include "songindex/zelvioindex.h"

namespace zelvio {

void TForm1::Encode() {
    Tcompressinfo& info = *program.compressinfo;
    TIndexdata& dialog = *program.Indexdata;
    if (info.visible()) info.close();
    if (settings.encoderpath.empty()) {
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
    dialog.tracknumbers.clear();
    for (std::size_t item : selected) {
        files.push_back(recfilelist.items()[item]);
        dialog.tracknumbers.push_back(cdTrackNumber(recfilelist.items()[item], item));
    }
    dialog.FileList.setItems(std::move(files));
    dialog.indexedit.setText(indexfilename(mp3dir.directory()));
    app().showModal(dialog);
}

void TForm1::compilebuttclick() {
    Encode();
    // The button, unlike the menu command, shows the new MP3 files at once.
    mp3dir.update();
}

void TForm1::Encode1Click() { Encode(); }

// Shown without being modal: the recorder stays on top while the user works on.
void TForm1::showVoiceRecorder() { program.mpvoicerecord->show(); }

}  // namespace zelvio
