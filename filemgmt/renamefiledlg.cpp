#include "filemgmt/renamefiledlg.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

static FormSpec windowSpec() {
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

Trenamedialog::Trenamedialog(MainProgram& program) : Form(program.app, windowSpec(), {}), program(program) {}

}  // namespace zelvio
