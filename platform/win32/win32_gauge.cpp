#include "platform/win32/win32_gauge.h"

#include "platform/controls/gauge.h"
#include "platform/win32/win32_contrast.h"

#include <string>

namespace zelvio {

void Win32Gauge::updateOwn(ControlProperty property) {
    if (property != ControlProperty::Position) return;
    // The install press gives the window no turn to paint.
    repaintNow();
    announceChange(window(), EVENT_OBJECT_VALUECHANGE);
}

std::optional<std::string> Win32Gauge::accessibleValue() const {
    if (!live()) return std::nullopt;
    return std::to_string(static_cast<const Gauge&>(control()).percent()) + "%";
}

void Win32Gauge::paint(HDC dc, const RECT& area) {
    const Gauge& gauge = static_cast<const Gauge&>(control());
    RECT bar = area;
    bar.right = area.left + (area.right - area.left) * gauge.percent() / 100;
    RECT rest = area;
    rest.left = bar.right;
    // Under high contrast the bar is a selection on a window's ground.
    FillRect(dc, &bar, brushOf(Role::Back, Ground::Selection, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    FillRect(dc, &rest, brushOf(Role::Back, Ground::Window, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))));

    const std::wstring text = std::to_wstring(gauge.percent()) + L"%";
    HGDIOBJ oldFont = SelectObject(dc, font());
    SetBkMode(dc, TRANSPARENT);
    // White over the bar, black over the white: the text reads on both.
    const COLORREF overBar = colourOf(Role::Text, Ground::Selection, RGB(255, 255, 255));
    const COLORREF overRest = colourOf(Role::Text, Ground::Window, RGB(0, 0, 0));
    for (const auto& [part, colour] : {std::pair{bar, overBar}, std::pair{rest, overRest}}) {
        HRGN clip = CreateRectRgnIndirect(&part);
        SelectClipRgn(dc, clip);
        SetTextColor(dc, colour);
        RECT textArea = area;
        DrawTextW(dc, text.c_str(), -1, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectClipRgn(dc, nullptr);
        DeleteObject(clip);
    }
    SelectObject(dc, oldFont);
}

}  // namespace zelvio
