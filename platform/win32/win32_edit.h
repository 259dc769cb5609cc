#pragma once
// A single-line text field (Edit) or a multi-line one (Memo).

#include "platform/win32/win32_colour.h"
#include "platform/win32/win32_controls.h"

namespace zelvio {

class Win32Edit : public Win32Control {
public:
    Win32Edit(Win32Form& owner, Control& control, int id)
        : Win32Control(owner, control, id), backBrush_(control.design().backColour) {}

    void notified(WORD code) override;
    HBRUSH paintColours(HDC dc) const override;

protected:
    WindowKind windowKind() const override;
    void created() override;
    void updateOwn(ControlProperty property) override;
    void applyText() override;
    LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool multiLine() const { return design().kind == ControlKind::Memo; }
    void applyLines();
    // Hands the field's contents to the portable control.
    void reportContents();

    OwnBrush backBrush_;
};

}  // namespace zelvio
