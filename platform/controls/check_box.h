#pragma once
// A check box: a click ticks or clears it, then onClick runs.

#include "platform/control.h"

namespace zelvio {

class CheckBox : public Control {
public:
    using Control::Control;

    // What a user does: a click takes the focus and turns the tick over.
    void click() override;
    void keyTyped(char key) override;

    // The backend's side: the real box was clicked and shows `ticked` now.
    void toggled(bool ticked);

protected:
    bool takesFocus() const override { return true; }
};

}  // namespace zelvio
