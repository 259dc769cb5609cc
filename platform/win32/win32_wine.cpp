#include "platform/win32/win32_wine.h"

#include <windows.h>

namespace zelvio {

bool runsUnderWine() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

}  // namespace zelvio
