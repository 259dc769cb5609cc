#pragma once
// The full path of a loaded module, however long.

#include <windows.h>

#include <string>

namespace zelvio {

// The module's file; empty when the system cannot say. Null is the program itself.
std::wstring modulePath(HMODULE module);

}  // namespace zelvio
