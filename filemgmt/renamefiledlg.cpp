#include "filemgmt/renamefiledlg.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

static FormDesign windowDesign() {
    FormDesign design = fixedDialog("Trenamedialog", std::string(28, ' ') + "Rename File", {295, 97});
    design.keyPreview = true;
    return design;
}

Trenamedialog::Trenamedialog(MainProgram& program) : Form(program.app, windowDesign(), {}), program(program) {}

}  // namespace zelvio
