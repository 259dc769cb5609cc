#pragma once
// The gauge: a black bar on white with its percentage written over it, the
// text white where the bar lies under it (under high contrast, the system's
// selection on a window's ground). It paints at once when told.

#include "platform/win32/win32_painted.h"

namespace zelvio {

class Win32Gauge : public Win32Painted {
public:
    using Win32Painted::Win32Painted;

    // A progress bar to a screen reader, its value the percentage shown.
    bool addsToSystem() const override { return true; }
    AccessibleRole accessibleRole() const override { return AccessibleRole::ProgressBar; }
    std::optional<std::string> accessibleValue() const override;

protected:
    void updateOwn(ControlProperty property) override;
    void paint(HDC dc, const RECT& area) override;
};

}  // namespace zelvio
