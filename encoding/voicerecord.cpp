#include "encoding/voicerecord.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

static FormDesign windowDesign() {
    FormDesign design = fixedDialog("Tmpvoicerecord", std::string(23, ' ') + "Mp3 Zelvio Voice Record", {333, 120});
    design.stayOnTop = true;
    return design;
}

Tmpvoicerecord::Tmpvoicerecord(MainProgram& program) : Form(program.app, windowDesign(), {}), program(program) {}

}  // namespace zelvio
