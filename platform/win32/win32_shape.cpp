#include "platform/win32/win32_shape.h"

#include "platform/win32/win32_accessible.h"
#include "platform/win32/win32_contrast.h"
#include "platform/win32/win32_controls.h"

namespace zelvio {

namespace {

void paint(HWND window, const ShapeLook& look) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT area;
    GetClientRect(window, &area);
    HBRUSH brush = CreateSolidBrush(colourOf(look.onShape ? Role::Text : Role::Back, Ground::Window, look.fill));
    HPEN pen = CreatePen(PS_SOLID, 1, colourOf(Role::Text, Ground::Window, look.pen));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    if (look.kind == ShapeKind::Ellipse) {
        SetDCBrushColor(dc, look.onShape ? colourOf(Role::Back, Ground::Window, look.ground)
                                         : colourOf(Role::Back, Ground::Face, GetSysColor(COLOR_BTNFACE)));
        FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        Ellipse(dc, area.left, area.top, area.right, area.bottom);
    } else {
        Rectangle(dc, area.left, area.top, area.right, area.bottom);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
    EndPaint(window, &ps);
}

LRESULT CALLBACK shapeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    const auto* look = reinterpret_cast<const ShapeLook*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_GETOBJECT:
            if (const LRESULT answer = answerAccessibleObject(window, wParam, lParam)) return answer;
            break;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything
        case WM_PAINT:
            if (look != nullptr) {
                paint(window, *look);
                return 0;
            }
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

const wchar_t* shapeWindowClass() { return ownWindowClass(L"ZelvioShape", shapeProc); }

}  // namespace zelvio
