// The application's exception handler: reports the error and puts the
// controls of long operations back into their idle state.

#include "playback/mpzelvio.h"
#include "shell/mainprogram.h"

#include <vector>

namespace zelvio {

namespace {

enum class Idle { Enabled, Disabled, Hidden };

struct IdleState {
    const char* window;
    const char* control;
    Idle state;
};

// The controls a long operation changes, and how they look when none runs.
const std::vector<IdleState> idleStates = {
    {"Tcompressinfo", "showoutputbutt", Idle::Disabled},
    {"TForm1", "recback", Idle::Disabled},
    {"TForm1", "recfwd", Idle::Disabled},
    {"TForm1", "recplay", Idle::Enabled},
    {"TForm1", "recstop", Idle::Disabled},
    {"Tmpvoicerecord", "recordvoicebutt", Idle::Enabled},
    {"Tmpvoicerecord", "Stopvoicebutt", Idle::Disabled},
    {"Tmpvoicerecord", "playvoicebutt", Idle::Disabled},
    {"Tmpvoicerecord", "Compressvoicebutt", Idle::Disabled},
    {"TIndexdata", "stopbutt", Idle::Hidden},
    {"TIndexdata", "Okbutt", Idle::Enabled},
    {"Tcompressinfo", "donebutt", Idle::Enabled},
};

void reset(const Application& app, const IdleState& idle) {
    for (Form* form : app.forms()) {
        if (form->name() != idle.window) continue;
        Control& control = (*form)[idle.control];
        switch (idle.state) {
            case Idle::Enabled:
                control.setEnabled(true);
                break;
            case Idle::Disabled:
                control.setEnabled(false);
                break;
            case Idle::Hidden:
                control.setVisible(false);
                break;
        }
    }
}

}  // namespace

void TForm1::CustomException(const std::exception& error) {
    app().errorBox(std::string(error.what()) + ".");
    // A window not created yet (an error while the main window is created) has nothing to reset.
    for (const IdleState& idle : idleStates) reset(app(), idle);
}

}  // namespace zelvio
