#include "filemgmt/renamefiledlg.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

static FormDesign windowDesign() {
    return {
        .name = "Trenamedialog",
        .caption = std::string(28, ' ') + "Rename File",
        .client = {295, 97},
        .border = BorderStyle::Dialog,
        .titleButtons = TitleButtons::None,
        .centred = true,
        .keyPreview = true,
    };
}

Trenamedialog::Trenamedialog(MainProgram& program) : Form(program.app, windowDesign(), {}), program(program) {}

}  // namespace zelvio
