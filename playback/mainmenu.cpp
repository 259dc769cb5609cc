// Part of the main window: its own menu commands (View, Play and Help).

#include "playback/about.h"
#include "playback/mpzelvio.h"
#include "shell/mainprogram.h"

namespace zelvio {

void TForm1::RefreshAll() {
    paintPending();
    recdir.update();
    recfilelist.update();
    mp3list.update();
    mp3dir.update();
}

void TForm1::Extensions1Click() { notYetImplemented(); }

void TForm1::sortmenuClick() { sortmenu.setChecked(!sortmenu.checked()); }

void TForm1::About1Click() { app().showModal(*program.mpzelvioabout); }

}  // namespace zelvio
