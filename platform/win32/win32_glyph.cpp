#include "platform/win32/win32_glyph.h"

#include <iterator>

namespace zelvio {

void drawFolder(HDC dc, int x, int y, bool open, bool enabled) {
    const COLORREF outline = enabled ? RGB(96, 64, 0) : GetSysColor(COLOR_GRAYTEXT);
    const COLORREF back = enabled ? RGB(224, 176, 32) : GetSysColor(COLOR_BTNFACE);
    const COLORREF front = enabled ? RGB(255, 224, 96) : GetSysColor(COLOR_BTNHIGHLIGHT);
    const POINT body[] = {{x, y + 1},      {x + 5, y + 1},  {x + 6, y + 2},
                          {x + 12, y + 2}, {x + 12, y + 12}, {x, y + 12}};
    // The open folder's front flap leans out; the closed one's lies flat over the body.
    const POINT openFlap[] = {{x + 3, y + 5}, {x + 16, y + 5}, {x + 12, y + 12}, {x, y + 12}};
    const POINT closedFlap[] = {{x, y + 4}, {x + 12, y + 4}, {x + 12, y + 12}, {x, y + 12}};
    const POINT* flap = open ? openFlap : closedFlap;

    HPEN pen = CreatePen(PS_SOLID, 1, outline);
    HBRUSH backBrush = CreateSolidBrush(back);
    HBRUSH frontBrush = CreateSolidBrush(front);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, backBrush);
    Polygon(dc, body, static_cast<int>(std::size(body)));
    SelectObject(dc, frontBrush);
    Polygon(dc, flap, 4);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(frontBrush);
    DeleteObject(backBrush);
    DeleteObject(pen);
}

void drawGlyphButton(const DRAWITEMSTRUCT& item) {
    RECT face = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

    const int shift = pushed ? 1 : 0;
    const int x = (face.left + face.right - 16) / 2 + shift;
    const int y = (face.top + face.bottom - 13) / 2 + shift;
    drawFolder(item.hDC, x, y, true, enabled);

    if (item.itemState & ODS_FOCUS) {
        RECT focus = face;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace zelvio
