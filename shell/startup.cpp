// The main window's start-up, first run and close.

#include "common/paths.h"
#include "platform/filesystem.h"
#include "playback/mpzelvio.h"
#include "shell/mainprogram.h"
#include "shell/mpconfig.h"

namespace zelvio {

static const char* const firstRunMessage =
    "Thank you for taking the time to try out MP Zelvio. The next step is setting up the mp3 encoder "
    "and player, next i will bring up the MP Zelvio config. In here you have to tell me where player "
    "and encoder are, If you have not already installed the encoder and player do so now.";

void TForm1::FormCreate() {
    app().setExceptionHandler([this](const std::exception& error) { CustomException(error); });
    startdir = app().fileSystem().currentDirectory();
    programdir = ShortPath(app().fileSystem(), startdir);
    FormResize();
    recdir.showCurrent();
    mp3dir.showCurrent();
    ReadSettingsFile();
}

void TForm1::FormActivate() {
    if (settingsvalid) return;
    settingsvalid = true;
    app().messageBox(MessageKind::Information, firstRunMessage, MessageButtons::Ok);
    app().showModal(*program.mpconfig);
}

bool TForm1::FormCloseQuery() {
    try {
        WriteSettingsFile();
        return true;
    } catch (const std::exception& error) {
        // The existing file is still whole; a settings file that cannot be
        // written must not keep the user from leaving.
        CustomException(error);
        return app().messageBox(MessageKind::PlainQuestion, "Mp3 Zelvio could not save its settings. Close anyway?",
                                MessageButtons::YesNo) == MessageResult::Yes;
    }
}

void TForm1::Exit1Click() { close(); }

}  // namespace zelvio
