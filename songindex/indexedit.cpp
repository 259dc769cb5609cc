#include "songindex/indexedit.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

static FormSpec windowSpec() {
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

Tindexeditor::Tindexeditor(MainProgram& program) : Form(program.app, windowSpec(), {}), program(program) {}

}  // namespace zelvio
