#include "songindex/zelvioindex.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

static FormDesign windowDesign() {
    return {
        .name = "TIndexdata",
        .caption = std::string(46, ' ') + "Mp3 Zelvio Index Data",
        .client = {497, 305},
        .border = BorderStyle::Dialog,
        .titleButtons = TitleButtons::None,
        .centred = true,
        .keyPreview = true,
    };
}

TIndexdata::TIndexdata(MainProgram& program) : Form(program.app, windowDesign(), {}), program(program) {}

}  // namespace zelvio
