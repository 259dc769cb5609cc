#include "platform/controls/check_box.h"

namespace zelvio {

void CheckBox::click() {
    setFocus();
    if (!usable()) return;
    setChecked(!checked());
    clicked();
}

// The space bar turns a focused box over, as a click does.
void CheckBox::keyTyped(char key) {
    if (key == ' ') click();
}

void CheckBox::toggled(bool ticked) {
    if (!usable()) return;
    setCheckedQuietly(ticked);
    clicked();
}

}  // namespace zelvio
