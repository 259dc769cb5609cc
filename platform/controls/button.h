#pragma once
// A push button, with a caption or a small picture.

#include "platform/control.h"

namespace zelvio {

class Button : public Control {
public:
    using Control::Control;

    // Enter presses the focused button: the program's dialogs have no default button.
    bool enterPressed() override {
        clicked();
        return true;
    }

protected:
    bool takesFocus() const override { return true; }
};

}  // namespace zelvio
