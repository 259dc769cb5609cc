#pragma once
// A window's dots per inch and the frame around a client area at that DPI.
// The per-window functions came with Windows 10; on an older system the
// screen's DPI and the plain frame metrics stand in.

#include "platform/geometry.h"

#include <windows.h>

namespace zelvio {

int windowDpi(HWND window);

// What a frame of this style (with a menu bar or not) adds to a client area at that DPI.
Size frameExtraAt(DWORD style, DWORD exStyle, bool menu, int dpi);

}  // namespace zelvio
