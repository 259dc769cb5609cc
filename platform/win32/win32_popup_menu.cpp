#include "platform/win32/win32_popup_menu.h"

#include "platform/controls/menu_item.h"
#include "platform/controls/popup_menu.h"
#include "platform/win32/win32_unicode.h"

#include <vector>

namespace zelvio {

MenuItem* trackPopupMenu(HWND owner, const PopupMenu& menu, Point screen) {
    const std::vector<MenuItem*> items = menu.items();
    HMENU popup = CreatePopupMenu();
    if (popup == nullptr) return nullptr;
    // Command ids are the items' positions plus one: 0 means nothing was chosen.
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = *items[i];
        if (!item.visible()) continue;
        if (item.separator()) {
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT state = (item.enabled() ? MF_ENABLED : MF_GRAYED) | (item.checked() ? MF_CHECKED : MF_UNCHECKED);
        AppendMenuW(popup, MF_STRING | state, i + 1, wide(item.text()).c_str());
    }
    // The owner must be in front, or the menu would not go away when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const auto chosen = static_cast<std::size_t>(TrackPopupMenu(
        popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
        owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(popup);
    return chosen >= 1 && chosen <= items.size() ? items[chosen - 1] : nullptr;
}

}  // namespace zelvio
