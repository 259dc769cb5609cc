#pragma once
// A push button, with a caption or a small picture.

#include "platform/control.h"

namespace zelvio {

class Button : public Control {
public:
    using Control::Control;

protected:
    bool takesFocus() const override { return true; }
};

}  // namespace zelvio
