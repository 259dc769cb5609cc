#pragma once
// A window that paints a filled rectangle or ellipse over its whole area and
// lets mouse clicks through to the form beneath.

#include "platform/layout.h"

#include <windows.h>

namespace zelvio {

struct ShapeLook {
    ShapeKind kind = ShapeKind::Rectangle;
    COLORREF fill = RGB(255, 255, 255);
    COLORREF pen = RGB(0, 0, 0);
};

// The window class, registered on first use. Create its windows with a
// ShapeLook* as the creation parameter; the look must outlive the window.
const wchar_t* shapeWindowClass();

// Limits an ellipse's window to the ellipse, so what lies beneath shows in
// its corners. Call after each change of size.
void fitShapeRegion(HWND shape, const ShapeLook& look, int width, int height);

}  // namespace zelvio
