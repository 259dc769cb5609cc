#include "platform/win32/win32_picture.h"

#include "platform/win32/win32_contrast.h"

#include <algorithm>

namespace zelvio {

namespace {

// Selects a pen and a brush for its lifetime: under high contrast, lines in
// the face's text colour filled with the face.
class Paint {
public:
    Paint(HDC dc, COLORREF pen, COLORREF brush, Role fill = Role::Back)
        : dc_(dc),
          pen_(CreatePen(PS_SOLID, 1, colourOf(Role::Text, Ground::Face, pen))),
          brush_(CreateSolidBrush(colourOf(fill, Ground::Face, brush))) {
        oldPen_ = SelectObject(dc_, pen_);
        oldBrush_ = SelectObject(dc_, brush_);
    }
    ~Paint() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        DeleteObject(pen_);
        DeleteObject(brush_);
    }
    Paint(const Paint&) = delete;
    Paint& operator=(const Paint&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ oldPen_;
    HGDIOBJ oldBrush_;
};

void circle(HDC dc, int x, int y, int radius) { Ellipse(dc, x - radius, y - radius, x + radius, y + radius); }

}  // namespace

void Win32Picture::paint(HDC dc, const RECT& area) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    const int height = area.bottom - area.top;
    const int width = area.right - area.left;
    const int radius = std::max(height / 2 - 4, 4);
    const int cx = area.left + width / 2 - radius / 2;
    const int cy = area.top + height / 2;

    {
        Paint disc(dc, RGB(96, 96, 96), RGB(208, 208, 216));
        circle(dc, cx, cy, radius);
    }
    {
        Paint groove(dc, RGB(168, 168, 184), RGB(224, 224, 232));
        circle(dc, cx, cy, radius * 2 / 3);
    }
    {
        Paint hole(dc, RGB(96, 96, 96), GetSysColor(COLOR_BTNFACE));
        circle(dc, cx, cy, std::max(radius / 6, 2));
    }

    // A pair of eighth notes joined by a beam, over the disc's right side.
    const int stem = radius;
    const int head = std::max(radius / 5, 3);
    const int left = cx + radius / 3;
    const int right = left + radius;
    const int base = cy + radius / 2;
    Paint note(dc, RGB(0, 0, 128), RGB(0, 0, 128), Role::Text);
    for (int x : {left, right}) {
        Ellipse(dc, x - 2 * head, base - head, x + 1, base + head);
        Rectangle(dc, x - 2, base - stem, x + 1, base);
    }
    const POINT beam[] = {{left - 2, base - stem}, {right + 1, base - stem - head},
                          {right + 1, base - stem}, {left - 2, base - stem + head}};
    Polygon(dc, beam, 4);
}

}  // namespace zelvio
