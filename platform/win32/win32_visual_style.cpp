#include "platform/win32/win32_visual_style.h"

#include <windows.h>
#include <uxtheme.h>

#include <cwctype>
#include <string>

namespace zelvio {

namespace {

// The file name, in small letters, of the module holding the code at `address`.
std::wstring moduleNameAt(const void* address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &module)) {
        return {};
    }
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring name(path, length);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
    return name;
}

}  // namespace

bool controlsInVisualStyle() {
    // The class a button window gets here, as the manifest redirects it; the
    // theme may be switched while the program runs.
    static const bool commonControls = [] {
        WNDCLASSEXW button{};
        button.cbSize = sizeof button;
        return GetClassInfoExW(nullptr, L"Button", &button) &&
               moduleNameAt(reinterpret_cast<const void*>(button.lpfnWndProc)) == L"comctl32.dll";
    }();
    return commonControls && IsAppThemed() != FALSE;
}

}  // namespace zelvio
