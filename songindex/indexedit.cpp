#include "songindex/indexedit.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

static FormDesign windowDesign() {
    return {
        .name = "Tindexeditor",
        .caption = std::string(37, ' ') + "Mp3 Zelvio Index Editor",
        .client = {448, 230},
        .border = BorderStyle::Dialog,
        .titleButtons = TitleButtons::None,
        .centred = true,
        .keyPreview = true,
    };
}

Tindexeditor::Tindexeditor(MainProgram& program) : Form(program.app, windowDesign(), {}), program(program) {}

}  // namespace zelvio
