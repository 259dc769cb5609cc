#include "platform/win32/win32_glyph.h"

#include <iterator>

namespace zelvio {

namespace {

// While it lives, what is drawn in design pixels from (x, y) on is scaled by
// the DPI around that corner.
class ScaledAround {
public:
    ScaledAround(HDC dc, int x, int y, int dpi) : dc_(dc), mode_(SetGraphicsMode(dc, GM_ADVANCED)) {
        GetWorldTransform(dc_, &old_);
        const FLOAT scale = static_cast<FLOAT>(dpi) / designDpi;
        const XFORM around{scale, 0, 0, scale, x * (1 - scale), y * (1 - scale)};
        SetWorldTransform(dc_, &around);
    }
    ~ScaledAround() {
        SetWorldTransform(dc_, &old_);
        SetGraphicsMode(dc_, mode_);
    }
    ScaledAround(const ScaledAround&) = delete;
    ScaledAround& operator=(const ScaledAround&) = delete;

private:
    HDC dc_;
    int mode_;
    XFORM old_{};
};

}  // namespace

void drawFolder(HDC dc, int x, int y, bool open, bool enabled, int dpi, Ground ground) {
    const ScaledAround scaled(dc, x, y, dpi);
    // Under high contrast, an outline on the ground.
    const COLORREF outline = enabled ? colourOf(Role::Text, ground, RGB(96, 64, 0)) : GetSysColor(COLOR_GRAYTEXT);
    const COLORREF back = colourOf(Role::Back, ground, enabled ? RGB(224, 176, 32) : GetSysColor(COLOR_BTNFACE));
    const COLORREF front = colourOf(Role::Back, ground, enabled ? RGB(255, 224, 96) : GetSysColor(COLOR_BTNHIGHLIGHT));
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

namespace {

// The pictures of the voice recorder's buttons, in a 16 x 16 box (design pixels) at (x, y).
void drawPicture(HDC dc, Glyph glyph, int x, int y, bool enabled, int dpi) {
    if (glyph == Glyph::Folder) {
        drawFolder(dc, x, y + toScreen(1, dpi), true, enabled, dpi, Ground::Face);
        return;
    }
    const ScaledAround scaled(dc, x, y, dpi);
    const COLORREF own = glyph == Glyph::Record ? RGB(200, 0, 0)
                         : glyph == Glyph::Play ? RGB(0, 128, 0)
                         : glyph == Glyph::Stop ? RGB(0, 0, 0)
                                                : RGB(0, 0, 160);
    // Under high contrast each picture is told by its shape alone.
    const COLORREF colour = enabled ? colourOf(Role::Text, Ground::Face, own) : GetSysColor(COLOR_GRAYTEXT);
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    switch (glyph) {
        case Glyph::Record:
            Ellipse(dc, x + 2, y + 2, x + 14, y + 14);
            break;
        case Glyph::Stop:
            Rectangle(dc, x + 3, y + 3, x + 13, y + 13);
            break;
        case Glyph::Play: {
            const POINT triangle[] = {{x + 4, y + 2}, {x + 13, y + 8}, {x + 4, y + 14}};
            Polygon(dc, triangle, 3);
            break;
        }
        default: {
            // An arrow going down onto a bar: a sound made into a file.
            const POINT arrow[] = {{x + 6, y + 1}, {x + 10, y + 1}, {x + 10, y + 6}, {x + 13, y + 6},
                                   {x + 8, y + 11}, {x + 3, y + 6}, {x + 6, y + 6}};
            Polygon(dc, arrow, 7);
            Rectangle(dc, x + 2, y + 13, x + 14, y + 15);
            break;
        }
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

}  // namespace

void drawGlyphButton(const DRAWITEMSTRUCT& item, Glyph glyph, const std::wstring& caption, HFONT font, int dpi) {
    RECT face = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const int shift = pushed ? 1 : 0;
    const int picture = toScreen(16, dpi);
    const int gap = toScreen(4, dpi);

    HGDIOBJ oldFont = SelectObject(item.hDC, font);
    SIZE text{0, 0};
    if (!caption.empty()) GetTextExtentPoint32W(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text);
    const int width = picture + (caption.empty() ? 0 : gap + text.cx);
    const int x = (face.left + face.right - width) / 2 + shift;
    const int y = (face.top + face.bottom - picture) / 2 + shift;
    drawPicture(item.hDC, glyph, x, y, enabled, dpi);
    if (!caption.empty()) {
        RECT area{x + picture + gap, face.top + shift, face.right, face.bottom + shift};
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextW(item.hDC, caption.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    SelectObject(item.hDC, oldFont);

    if (item.itemState & ODS_FOCUS) {
        RECT focus = face;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace zelvio
