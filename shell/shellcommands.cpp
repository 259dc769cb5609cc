// The main window's commands of the shell: the settings dialog, the mixer and help.

#include "common/paths.h"
#include "encoding/commandline.h"
#include "playback/mpzelvio.h"
#include "shell/launcher.h"
#include "shell/mainprogram.h"
#include "shell/mpconfig.h"

namespace zelvio {

void TForm1::showSettings() { app().showModal(*program.mpconfig); }

void TForm1::startMixer() {
    RunProgram(app(), commandArgument(ShortPath(app().fileSystem(), settings.mixerpath)), "the mixer");
}

void TForm1::notYetImplemented() {
    app().messageBox(MessageKind::Information, "Sorry function not yet implemented.", MessageButtons::Ok);
}

void TForm1::Index1Click() { notYetImplemented(); }

}  // namespace zelvio
