#include "platform/win32/win32_check_box.h"

#include "platform/controls/check_box.h"

namespace zelvio {

void Win32CheckBox::applyTick() {
    SendMessageW(window(), BM_SETCHECK, control().checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32CheckBox::updateOwn(ControlProperty property) {
    if (property == ControlProperty::Checked) applyTick();
}

void Win32CheckBox::notified(WORD code) {
    if (code != BN_CLICKED) return;
    const bool ticked = SendMessageW(window(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    report([&] { static_cast<CheckBox&>(control()).toggled(ticked); });
}

}  // namespace zelvio
