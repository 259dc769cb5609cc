// Part of the main window: the Index Edit commands, which hand the selected
// songs' files to the index editor.

#include "playback/mpzelvio.h"
#include "shell/mainprogram.h"
#include "songindex/indexedit.h"

namespace zelvio {

void TForm1::IndexEdit() {
    Tindexeditor& editor = *program.indexeditor;
    auto files = selectedSongFiles();
    if (!files) return;
    editor.filelist.clear();
    if (files->empty()) {
        app().messageBox(MessageKind::Information, "You must first select some MP3 Files to index", MessageButtons::Ok);
        return;
    }
    editor.filelist.setItems(std::move(*files));
    app().showModal(editor);
    // After OK and Cancel alike, the song list is built from the files and the index again.
    mp3dir.update();
    mp3list.update();
}

}  // namespace zelvio
