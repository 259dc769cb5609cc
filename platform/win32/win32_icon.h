#pragma once
// The program's own icon, from its resources, at the sizes the system wants
// for a window's caption and the task bar.

#include <windows.h>

namespace zelvio {

// The icon at the system's large (task bar, Alt+Tab) or small (caption) size;
// Windows' plain program icon for a program built without one.
HICON programIcon(bool small);

}  // namespace zelvio
