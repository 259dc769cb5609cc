#include "songindex/zelvioindex.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

static FormDesign windowDesign() {
    FormDesign design = fixedDialog("TIndexdata", std::string(46, ' ') + "Mp3 Zelvio Index Data", {497, 305});
    design.keyPreview = true;
    return design;
}

TIndexdata::TIndexdata(MainProgram& program) : Form(program.app, windowDesign(), {}), program(program) {}

}  // namespace zelvio
