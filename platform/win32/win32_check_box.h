#pragma once
// A check box: the system's own, ticking itself, reporting each click.

#include "platform/win32/win32_controls.h"

namespace zelvio {

class Win32CheckBox : public Win32Control {
public:
    using Win32Control::Win32Control;

    void notified(WORD code) override;

protected:
    WindowKind windowKind() const override { return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX}; }
    void created() override { applyTick(); }
    void updateOwn(ControlProperty property) override;

private:
    void applyTick();
};

}  // namespace zelvio
