#include "platform/win32/win32_drop_down.h"

#include "platform/controls/drop_down_list.h"
#include "platform/win32/win32_fonts.h"
#include "platform/win32/win32_form_window.h"
#include "platform/win32/win32_unicode.h"
#include "platform/win32/win32_visual_style.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

namespace zelvio {

namespace {
// How far the list drops below the closed box.
constexpr int droppedHeight = 160;
// The height of a closed box's text area, as the combo box works it out from its font.
int textAreaHeight(HFONT font) { return lineHeight(font) + 4; }

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

void Win32DropDown::paintStandIn(HDC dc) const {
    // The sunken border, the arrow button right inside it, and the chosen
    // item's text on the window colour in the rest.
    constexpr int border = 2;
    const Rect place = screenBounds();
    const int inner = textAreaHeight(font());
    RECT box{place.left, place.top, place.left + place.width, place.top + inner + 2 * border};
    RECT button{box.right - border - GetSystemMetrics(SM_CXVSCROLL), box.top + border, box.right - border,
                box.top + border + inner};
    RECT text{box.left + border, box.top + border, button.left, button.bottom};
    HTHEME theme = controlsInVisualStyle() ? OpenThemeData(owner().window(), L"COMBOBOX") : nullptr;
    if (theme != nullptr) {
        DrawThemeBackground(theme, dc, 0, CBXS_NORMAL, &box, nullptr);
        DrawThemeBackground(theme, dc, CP_DROPDOWNBUTTON, CBXS_NORMAL, &button, nullptr);
        CloseThemeData(theme);
    } else {
        FillRect(dc, &text, GetSysColorBrush(COLOR_WINDOW));
        DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT);
        DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    }
    InflateRect(&text, -1, -1);
    const int chosen = list().itemIndex();
    const std::wstring caption =
        chosen >= 0 && chosen < static_cast<int>(list().items().size()) ? wide(list().items()[chosen]) : L"";
    const int saved = SaveDC(dc);
    SelectObject(dc, font());
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    ExtTextOutW(dc, text.left + 1, text.top + 1, ETO_OPAQUE | ETO_CLIPPED, &text, caption.c_str(),
                static_cast<UINT>(caption.size()), nullptr);
    RestoreDC(dc, saved);
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
