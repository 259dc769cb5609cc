#pragma once
// A drop-down list (the drive box and the filter box): a combo box that
// only chooses, reporting each choice.

#include "platform/win32/win32_controls.h"

namespace zelvio {

class DropDownList;

class Win32DropDown : public Win32Control {
public:
    using Win32Control::Win32Control;

    void notified(WORD code) override;

protected:
    WindowKind windowKind() const override;
    void created() override;
    void updateOwn(ControlProperty property) override;
    void applyText() override {}
    Rect placed(Rect bounds) const override;
    int textRoom() const override;
    std::string fittedText() const override;

private:
    DropDownList& list() const;
    void applyItems();
};

}  // namespace zelvio
