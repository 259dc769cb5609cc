// The main window's wave pane: it plays a selection of wave files or
// audio-CD tracks one after the other.

#include "common/paths.h"
#include "platform/application.h"
#include "playback/cdtrack.h"
#include "songindex/indexname.h"
#include "windows/main/mainwindow.h"

namespace zelvio {

void TForm1::CheckAudioCd() {
    session_.settings.cdmode = CdMode::Waves;
    if (recfilelist.count() == 0 || !sameindexname(recfilelist.items()[0], "Track01.cda")) return;
    if (app().messageBox(MessageKind::Confirm, "Is this an audio CD?", MessageButtons::YesNo) == MessageResult::Yes) {
        session_.settings.cdmode = CdMode::AudioCd;
    }
}

void TForm1::PlaySelection() {
    const bool cd = session_.settings.cdmode == CdMode::AudioCd;
    recplay.setEnabled(false);
    recstop.setEnabled(true);
    // The device gets whole paths, so the rest of the list is found whatever
    // the working directory becomes meanwhile.
    std::vector<PlayItem> items;
    for (std::size_t item : recfilelist.selection()) {
        const std::string& name = recfilelist.items()[item];
        if (cd) {
            items.push_back({.track = cdTrackNumber(name, item)});
        } else {
            items.push_back({.wavePath = AddBackslash(recdir.directory()) + name});
        }
    }
    // A play started during another takes its place, which ends the buttons' play.
    if (!player_.play(items, cd ? SoundSource::Cd : SoundSource::Wave)) return;
    recplay.setEnabled(true);
    recstop.setEnabled(false);
}

void TForm1::recstopClick() { player_.stop(); }

void TForm1::recbackClick() { player_.back(); }

void TForm1::recfwdClick() { player_.forward(); }

void TForm1::recpauseClick() { player_.pauseOrResume(); }

}  // namespace zelvio
