#include "platform/win32/win32_painted.h"

namespace zelvio {

Win32Control::WindowKind Win32Painted::windowKind() const {
    return {ownWindowClass(L"ZelvioPainted", windowProc), 0,
            design().kind == ControlKind::Gauge ? static_cast<DWORD>(WS_EX_CLIENTEDGE) : 0};
}

void Win32Painted::repaintNow() {
    InvalidateRect(window(), nullptr, FALSE);
    UpdateWindow(window());
}

LRESULT CALLBACK Win32Painted::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Painted*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_GETOBJECT:
            if (const LRESULT answer = answerAccessibleObject(window, wParam, lParam)) return answer;
            break;
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything
        case WM_PAINT:
            if (self != nullptr && self->live()) {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(window, &ps);
                RECT area;
                GetClientRect(window, &area);
                self->paint(dc, area);
                EndPaint(window, &ps);
                return 0;
            }
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zelvio
