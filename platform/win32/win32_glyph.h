#pragma once
// Small folder pictures: on a glyph button's face, and beside the items of a
// directory list.

#include "platform/layout.h"
#include "platform/win32/win32_contrast.h"

#include <windows.h>

#include <string>

namespace zelvio {

// Paints an owner-drawn push button (WM_DRAWITEM) with its picture, and its
// caption to the right of the picture when there is one; the picture is
// scaled from its design pixels by the DPI.
void drawGlyphButton(const DRAWITEMSTRUCT& item, Glyph glyph, const std::wstring& caption, HFONT font, int dpi);

// An open or closed folder in a 16 x 13 box (design pixels, scaled by the
// DPI) whose top left corner is (x, y), on `ground` (under high contrast,
// drawn in its text colour).
void drawFolder(HDC dc, int x, int y, bool open, bool enabled, int dpi, Ground ground);

}  // namespace zelvio
