#pragma once
// The portable control of a design's kind.

#include "platform/control.h"

#include <memory>

namespace zelvio {

std::unique_ptr<Control> makeControl(Form& form, ControlDesign design);

}  // namespace zelvio
