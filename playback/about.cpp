#include "playback/about.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

static FormDesign windowDesign() {
    return fixedDialog("Tmpzelvioabout", std::string(27, ' ') + "Mp3 Zelvio About", {315, 203});
}

Tmpzelvioabout::Tmpzelvioabout(MainProgram& program) : Form(program.app, windowDesign(), {}), program(program) {}

}  // namespace zelvio
