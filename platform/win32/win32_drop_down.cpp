#include "platform/win32/win32_drop_down.h"

#include "platform/controls/drop_down_list.h"
#include "platform/win32/win32_form_window.h"
#include "platform/win32/win32_unicode.h"

#include <algorithm>

namespace zelvio {

namespace {
// How far the list drops below the closed box.
constexpr int droppedHeight = 160;
}  // namespace

DropDownList& Win32DropDown::list() const { return static_cast<DropDownList&>(control()); }

Win32Control::WindowKind Win32DropDown::windowKind() const {
    return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS};
}

void Win32DropDown::created() { applyItems(); }

void Win32DropDown::updateOwn(ControlProperty property) {
    if (property == ControlProperty::Items) applyItems();
    if (property == ControlProperty::Selection) {
        SendMessageW(window(), CB_SETCURSEL, static_cast<WPARAM>(list().itemIndex()), 0);
    }
}

// Beside the arrow button, inside the frame: every choice fits there, so each shows whole when chosen.
int Win32DropDown::textRoom() const { return std::max(control().bounds().width - 26, 1); }

std::string Win32DropDown::fittedText() const {
    std::string longest;
    for (const auto& item : list().items()) {
        if (item.size() > longest.size()) longest = item;
    }
    return longest;
}

void Win32DropDown::applyItems() {
    SendMessageW(window(), CB_RESETCONTENT, 0, 0);
    for (const auto& item : list().items()) {
        SendMessageW(window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
    }
    SendMessageW(window(), CB_SETCURSEL, static_cast<WPARAM>(list().itemIndex()), 0);
    fitFont();
}

// The window of a combo box reaches down over its dropped list.
Rect Win32DropDown::placed(Rect bounds) const {
    bounds.height += owner().onScreen(droppedHeight);
    return bounds;
}

void Win32DropDown::notified(WORD code) {
    if (code == CBN_SETFOCUS || code == CBN_DROPDOWN) report([&] { list().approached(); });
    if (code != CBN_SELCHANGE) return;
    const int chosen = static_cast<int>(SendMessageW(window(), CB_GETCURSEL, 0, 0));
    report([&] { list().itemChosen(chosen); });
}

}  // namespace zelvio
