#include "platform/win32/win32_button.h"

#include "platform/win32/win32_form_window.h"
#include "platform/win32/win32_glyph.h"
#include "platform/win32/win32_unicode.h"
#include "platform/win32/win32_visual_style.h"

#include <uxtheme.h>
#include <vssym32.h>

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

// At other DPIs Wine puts some captions a pixel away from where this drawing does.
bool Win32Button::hasStandIn() const {
    return design().kind == ControlKind::Button && controlsInVisualStyle() && owner().dpi() == designDpi;
}

void Win32Button::paintStandIn(HDC dc) const {
    HTHEME theme = OpenThemeData(owner().window(), L"BUTTON");
    if (theme == nullptr) return;
    const Rect place = screenBounds();
    RECT face{place.left, place.top, place.left + place.width, place.top + place.height};
    const int state = enabledWithGroups() ? PBS_NORMAL : PBS_DISABLED;
    RECT content;
    GetThemeBackgroundContentRect(theme, dc, BP_PUSHBUTTON, state, &face, &content);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, face.left, face.top, face.right, face.bottom);
    SelectObject(dc, font());
    DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &face, nullptr);
    const std::wstring caption = wide(control().text());
    DrawThemeText(theme, dc, BP_PUSHBUTTON, state, caption.c_str(), -1, DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0,
                  &content);
    RestoreDC(dc, saved);
    CloseThemeData(theme);
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
