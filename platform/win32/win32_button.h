#pragma once
// A push button: with a caption, or owner-drawn with a small folder picture.

#include "platform/win32/win32_controls.h"

namespace zelvio {

class Win32Button : public Win32Control {
public:
    using Win32Control::Win32Control;

    void notified(WORD code) override;
    bool draw(const DRAWITEMSTRUCT& item) override;

protected:
    WindowKind windowKind() const override;
    int textRoom() const override;
    LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace zelvio
