#pragma once
// Small folder pictures: on a glyph button's face, and beside the items of a
// directory list.

#include <windows.h>

namespace zelvio {

// Paints an owner-drawn push button (WM_DRAWITEM) with the folder picture.
void drawGlyphButton(const DRAWITEMSTRUCT& item);

// An open or closed folder in a 16 x 13 box whose top left corner is (x, y).
void drawFolder(HDC dc, int x, int y, bool open, bool enabled);

}  // namespace zelvio
