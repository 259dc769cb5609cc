#include "songindex/indexedit.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

static FormDesign windowDesign() {
    FormDesign design = fixedDialog("Tindexeditor", std::string(37, ' ') + "Mp3 Zelvio Index Editor", {448, 230});
    design.keyPreview = true;
    return design;
}

Tindexeditor::Tindexeditor(MainProgram& program) : Form(program.app, windowDesign(), {}), program(program) {}

}  // namespace zelvio
