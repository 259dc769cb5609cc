#include "platform/controls/make_control.h"

#include "platform/controls/button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/directory_list.h"
#include "platform/controls/drive_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/file_list.h"
#include "platform/controls/filter_box.h"
#include "platform/controls/gauge.h"
#include "platform/controls/memo.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/popup_menu.h"

namespace zelvio {

std::unique_ptr<Control> makeControl(Form& form, ControlDesign design) {
    switch (design.kind) {
        case ControlKind::Button:
        case ControlKind::GlyphButton:
            return std::make_unique<Button>(form, std::move(design));
        case ControlKind::CheckBox:
            return std::make_unique<CheckBox>(form, std::move(design));
        case ControlKind::Edit:
            return std::make_unique<Edit>(form, std::move(design));
        case ControlKind::Memo:
            return std::make_unique<Memo>(form, std::move(design));
        case ControlKind::ListBox:
            return std::make_unique<ListBox>(form, std::move(design));
        case ControlKind::FileList:
            return std::make_unique<FileList>(form, std::move(design));
        case ControlKind::DirectoryList:
            return std::make_unique<DirectoryList>(form, std::move(design));
        case ControlKind::DriveBox:
            return std::make_unique<DriveBox>(form, std::move(design));
        case ControlKind::FilterBox:
            return std::make_unique<FilterBox>(form, std::move(design));
        case ControlKind::Gauge:
            return std::make_unique<Gauge>(form, std::move(design));
        case ControlKind::PopupMenu:
            return std::make_unique<PopupMenu>(form, std::move(design));
        case ControlKind::MenuItem:
            return std::make_unique<MenuItem>(form, std::move(design));
        case ControlKind::Label:
        case ControlKind::GroupBox:
        case ControlKind::Bevel:
        case ControlKind::Shape:
        case ControlKind::Picture:
        case ControlKind::StatusBar:
        case ControlKind::Menu:
            break;
    }
    return std::make_unique<Control>(form, std::move(design));
}

}  // namespace zelvio
