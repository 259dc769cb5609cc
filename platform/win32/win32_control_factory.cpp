// The win32 peer of each kind of control.

#include "platform/win32/win32_button.h"
#include "platform/win32/win32_check_box.h"
#include "platform/win32/win32_drop_down.h"
#include "platform/win32/win32_edit.h"
#include "platform/win32/win32_gauge.h"
#include "platform/win32/win32_list_box.h"
#include "platform/win32/win32_picture.h"
#include "platform/win32/win32_static.h"
#include "platform/win32/win32_status_bar.h"

#include <stdexcept>

namespace zelvio {

std::unique_ptr<Win32Control> makeWin32Control(Win32Form& owner, Control& control, int id) {
    switch (control.kind()) {
        case ControlKind::Button:
        case ControlKind::GlyphButton:
            return std::make_unique<Win32Button>(owner, control, id);
        case ControlKind::CheckBox:
            return std::make_unique<Win32CheckBox>(owner, control, id);
        case ControlKind::Edit:
        case ControlKind::Memo:
            return std::make_unique<Win32Edit>(owner, control, id);
        case ControlKind::Label:
        case ControlKind::GroupBox:
        case ControlKind::Bevel:
        case ControlKind::Shape:
            return std::make_unique<Win32Static>(owner, control, id);
        case ControlKind::ListBox:
        case ControlKind::FileList:
        case ControlKind::DirectoryList:
            return std::make_unique<Win32ListBox>(owner, control, id);
        case ControlKind::DriveBox:
        case ControlKind::FilterBox:
            return std::make_unique<Win32DropDown>(owner, control, id);
        case ControlKind::StatusBar:
            return std::make_unique<Win32StatusBar>(owner, control, id);
        case ControlKind::Gauge:
            return std::make_unique<Win32Gauge>(owner, control, id);
        case ControlKind::Picture:
            return std::make_unique<Win32Picture>(owner, control, id);
        case ControlKind::Menu:
        case ControlKind::PopupMenu:
        case ControlKind::MenuItem:
            break;
    }
    throw std::logic_error(control.name() + " has no window of its own");
}

}  // namespace zelvio
