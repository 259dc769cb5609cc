#include "platform/controls/popup_menu.h"

#include "platform/application.h"
#include "platform/controls/menu_item.h"
#include "platform/form.h"

namespace zelvio {

std::vector<MenuItem*> PopupMenu::items() const {
    std::vector<MenuItem*> found;
    for (const auto& control : form().controls()) {
        auto* item = dynamic_cast<MenuItem*>(control.get());
        if (item != nullptr && item->design().parent == name()) found.push_back(item);
    }
    return found;
}

void PopupMenu::popup(Point screen) {
    if (MenuItem* chosen = form().app().toolkit().trackPopupMenu(*this, screen)) chosen->clicked();
}

}  // namespace zelvio
