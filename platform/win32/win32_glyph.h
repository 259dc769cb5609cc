#pragma once
// The look of a glyph button: a push button face with a small open folder.

#include <windows.h>

namespace zelvio {

// Paints an owner-drawn push button (WM_DRAWITEM) with the folder picture.
void drawGlyphButton(const DRAWITEMSTRUCT& item);

}  // namespace zelvio
