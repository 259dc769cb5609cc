#pragma once
// A menu that appears where the user right-clicks a control naming it.

#include "platform/control.h"

#include <vector>

namespace zelvio {

class MenuItem;

class PopupMenu : public Control {
public:
    using Control::Control;

    // Its items in order: the form's menu items that name it as their parent.
    std::vector<MenuItem*> items() const;
    // Shows the menu at a point of the screen and clicks the item the user chooses, if any.
    void popup(Point screen);
};

}  // namespace zelvio
