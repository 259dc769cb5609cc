#include "platform/win32/win32_dpi.h"

namespace zelvio {

namespace {

template <class Function>
Function* user32Function(const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : designDpi;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : designDpi;
}

}  // namespace

int windowDpi(HWND window) {
    static auto* const forWindow = user32Function<UINT WINAPI(HWND)>("GetDpiForWindow");
    const UINT dpi = forWindow != nullptr ? forWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : screenDpi();
}

Size frameExtraAt(DWORD style, DWORD exStyle, bool menu, int dpi) {
    static auto* const forDpi = user32Function<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, 0, 0};
    if (forDpi != nullptr) {
        forDpi(&frame, style, menu, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&frame, style, menu, exStyle);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace zelvio
