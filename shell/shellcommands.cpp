// The main window's commands of the shell: the settings dialog, the mixer and help.

#include "common/paths.h"
#include "playback/mpzelvio.h"
#include "shell/launcher.h"
#include "shell/mainprogram.h"
#include "shell/mpconfig.h"

namespace zelvio {

void TForm1::showSettings() { app().showModal(*program.mpconfig); }

void TForm1::startMixer() { RunProgram(app(), ShortPath(app().fileSystem(), settings.mixerpath), "the mixer"); }

void TForm1::configbuttClick() { showSettings(); }
void TForm1::Setup1Click() { showSettings(); }

void TForm1::mixerbuttClick() { startMixer(); }
void TForm1::Mixer1Click() { startMixer(); }

void TForm1::Index1Click() {
    app().messageBox(MessageKind::Information, "Sorry function not yet implemented.", MessageButtons::Ok);
}

}  // namespace zelvio
