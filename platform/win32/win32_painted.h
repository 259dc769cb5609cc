#pragma once
// A control the program paints itself, whole, in a window class of its own:
// the gauge and the picture.

#include "platform/win32/win32_controls.h"

namespace zelvio {

class Win32Painted : public Win32Control {
public:
    using Win32Control::Win32Control;

    bool listens() const override { return false; }

protected:
    WindowKind windowKind() const override;
    void* creationParameter() override { return this; }
    void applyText() override {}
    // Paints the whole client area, `area`.
    virtual void paint(HDC dc, const RECT& area) = 0;
    // Paints the change now, not when the window system next gets a turn.
    void repaintNow();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace zelvio
