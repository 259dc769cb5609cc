#pragma once
// Design names on windows: a window property "Name" holding a global atom of
// the name, so tools outside the program can find forms and controls.

#include <windows.h>

#include <string>

namespace zelvio {

void setDesignName(HWND window, const std::string& name);
// Removes the property and gives its atom back.
void removeDesignName(HWND window);

}  // namespace zelvio
