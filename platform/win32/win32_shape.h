#pragma once
// A window that paints a filled rectangle or ellipse over its whole area and
// lets mouse clicks through to the form beneath. An ellipse paints its
// corners in the colour of what it lies on: a window region would leave
// them to the windows beneath, which Wine then does not always repaint.

#include "platform/layout.h"

#include <windows.h>

namespace zelvio {

// The design's colours. Under high contrast a shape on the form is a panel
// in the window's colours; a shape on another is a mark on that panel, in
// its text colour.
struct ShapeLook {
    ShapeKind kind = ShapeKind::Rectangle;
    COLORREF fill = RGB(255, 255, 255);
    COLORREF pen = RGB(0, 0, 0);
    bool onShape = false;                  // lies on another shape, not on the form's face
    COLORREF ground = RGB(255, 255, 255);  // that shape's fill: an ellipse's corners
};

// The window class, registered on first use. Create its windows with a
// ShapeLook* as the creation parameter; the look must outlive the window.
const wchar_t* shapeWindowClass();

}  // namespace zelvio
