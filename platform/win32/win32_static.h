#pragma once
// What only shows and takes no input: a label, a group box's frame, a bevel
// line or frame, a filled shape.

#include "platform/win32/win32_colour.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_shape.h"

namespace zelvio {

class Win32Static : public Win32Control {
public:
    Win32Static(Win32Form& owner, Control& control, int id);

    bool listens() const override { return false; }
    HBRUSH paintColours(HDC dc) const override;

    // A shape shows no text: the text it is given is what it says to a screen reader.
    bool addsToSystem() const override;
    std::string accessibleName() const override;
    AccessibleRole accessibleRole() const override;

protected:
    WindowKind windowKind() const override;
    void* creationParameter() override { return &shapeLook_; }
    void applyText() override;
    Rect placed(Rect bounds) const override;
    int textRoom() const override;

private:
    OwnBrush backBrush_;
    ShapeLook shapeLook_;
};

}  // namespace zelvio
