#pragma once
// The program's colours as the system takes them.

#include "platform/geometry.h"

#include <windows.h>

namespace zelvio {

inline COLORREF rgb(Colour colour) { return RGB(colour.red, colour.green, colour.blue); }

}  // namespace zelvio
