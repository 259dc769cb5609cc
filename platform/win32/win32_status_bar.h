#pragma once
// The status bar along the form's bottom edge: it places itself.

#include "platform/win32/win32_controls.h"

namespace zelvio {

class Win32StatusBar : public Win32Control {
public:
    using Win32Control::Win32Control;

    bool listens() const override { return false; }
    void formResized() override;

protected:
    WindowKind windowKind() const override;
    void moved(const Rect&) override { formResized(); }
};

}  // namespace zelvio
