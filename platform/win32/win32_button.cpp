#include "platform/win32/win32_button.h"

#include "platform/win32/win32_form_window.h"
#include "platform/win32/win32_glyph.h"
#include "platform/win32/win32_unicode.h"

#include <algorithm>

namespace zelvio {

Win32Control::WindowKind Win32Button::windowKind() const {
    const bool glyph = design().kind == ControlKind::GlyphButton;
    return {L"BUTTON", static_cast<DWORD>(WS_TABSTOP | (glyph ? BS_OWNERDRAW : BS_PUSHBUTTON))};
}

int Win32Button::textRoom() const {
    // The frame, the focus rectangle and the one-pixel shift of a pressed or
    // disabled caption; a glyph button's picture stands beside its caption.
    const int margins = design().kind == ControlKind::GlyphButton ? 30 : 10;
    return std::max(control().bounds().width - margins, 1);
}

void Win32Button::notified(WORD code) {
    if (code == BN_CLICKED) report([this] { control().clicked(); });
}

bool Win32Button::draw(const DRAWITEMSTRUCT& item) {
    if (design().kind != ControlKind::GlyphButton) return false;
    drawGlyphButton(item, design().glyph, wide(control().text()), font(), owner().dpi());
    return true;
}

LRESULT Win32Button::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    // A quick second click is a click: buttons do not know double clicks.
    if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
    return Win32Control::subclassed(message, wParam, lParam);
}

}  // namespace zelvio
