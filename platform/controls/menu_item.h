#pragma once
// An item of a drop-down or pop-up menu; its caption "-" makes it a separator.

#include "platform/control.h"

namespace zelvio {

class MenuItem : public Control {
public:
    using Control::Control;

    bool separator() const { return text() == "-"; }
    ShortcutKey shortcut() const { return design().shortcut; }
};

}  // namespace zelvio
