#include "playback/about.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

static FormDesign windowDesign() {
    return {
        .name = "Tmpzelvioabout",
        .caption = std::string(27, ' ') + "Mp3 Zelvio About",
        .client = {315, 203},
        .border = BorderStyle::Dialog,
        .titleButtons = TitleButtons::None,
        .centred = true,
    };
}

Tmpzelvioabout::Tmpzelvioabout(MainProgram& program) : Form(program.app, windowDesign(), {}), program(program) {}

}  // namespace zelvio
