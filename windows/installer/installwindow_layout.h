#pragma once
// The installer window's design: one fixed dialog whose pages show and hide
// parts of one set of controls.

#include "platform/layout.h"

#include <vector>

namespace zelvio {

FormDesign installWindowDesign();
std::vector<ControlDesign> installWindowLayout();

}  // namespace zelvio
