#include "encoding/voicerecord.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

static FormDesign windowDesign() {
    return {
        .name = "Tmpvoicerecord",
        .caption = std::string(23, ' ') + "Mp3 Zelvio Voice Record",
        .client = {333, 120},
        .border = BorderStyle::Dialog,
        .titleButtons = TitleButtons::None,
        .centred = true,
        .stayOnTop = true,
    };
}

Tmpvoicerecord::Tmpvoicerecord(MainProgram& program) : Form(program.app, windowDesign(), {}), program(program) {}

}  // namespace zelvio
