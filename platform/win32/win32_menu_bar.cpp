#include "platform/win32/win32_menu_bar.h"

#include "platform/win32/win32_unicode.h"

namespace zelvio {

class Win32MenuBar::EntryPeer : public ControlPeer {
public:
    explicit EntryPeer(Win32MenuBar& bar) : bar_(bar) {}
    void update(ControlProperty property) override {
        if (property != ControlProperty::Bounds && property != ControlProperty::Focus) bar_.refresh();
    }

private:
    Win32MenuBar& bar_;
};

namespace {

std::string itemCaption(const Control& item) {
    switch (item.design().shortcut) {
        case ShortcutKey::F1:
            return item.text() + "\tF1";
        case ShortcutKey::F2:
            return item.text() + "\tF2";
        case ShortcutKey::None:
            break;
    }
    return item.text();
}

}  // namespace

Win32MenuBar::Win32MenuBar() = default;

Win32MenuBar::~Win32MenuBar() = default;  // the window destroys its menu

void Win32MenuBar::add(Control& control, int id) {
    entries_.push_back({&control, id, std::make_unique<EntryPeer>(*this)});
    control.attach(entries_.back().peer.get());
}

void Win32MenuBar::detach() {
    for (auto& entry : entries_) entry.control->attach(nullptr);
}

HMENU Win32MenuBar::build() const {
    HMENU bar = CreateMenu();
    for (const auto& menu : entries_) {
        if (menu.control->kind() != ControlKind::Menu || !menu.control->visible()) continue;
        HMENU popup = CreatePopupMenu();
        for (const auto& item : entries_) {
            const Control& c = *item.control;
            if (c.kind() != ControlKind::MenuItem || c.design().parent != menu.control->name() || !c.visible()) continue;
            if (c.text() == "-") {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            const UINT state = (c.enabled() ? MF_ENABLED : MF_GRAYED) | (c.checked() ? MF_CHECKED : MF_UNCHECKED);
            AppendMenuW(popup, MF_STRING | state, static_cast<UINT_PTR>(item.id), wide(itemCaption(c)).c_str());
        }
        AppendMenuW(bar, MF_POPUP | (menu.control->enabled() ? MF_ENABLED : MF_GRAYED),
                    reinterpret_cast<UINT_PTR>(popup), wide(menu.control->text()).c_str());
    }
    return bar;
}

void Win32MenuBar::refresh() {
    if (form_ == nullptr) return;  // built when the window is made
    if (open_) {
        // Destroying a menu the user is in would pull it from under the system.
        stale_ = true;
        return;
    }
    stale_ = false;
    HMENU old = GetMenu(form_);
    SetMenu(form_, build());
    if (old != nullptr) DestroyMenu(old);
    DrawMenuBar(form_);
}

void Win32MenuBar::menuLoop(bool open) {
    open_ = open;
    if (!open_ && stale_) refresh();
}

Control* Win32MenuBar::itemWithId(int id) const {
    for (const auto& entry : entries_) {
        if (entry.id == id && entry.control->kind() == ControlKind::MenuItem) return entry.control;
    }
    return nullptr;
}

Control* Win32MenuBar::itemWithShortcut(ShortcutKey key) const {
    for (const auto& entry : entries_) {
        if (entry.control->kind() == ControlKind::MenuItem && entry.control->design().shortcut == key) {
            return entry.control;
        }
    }
    return nullptr;
}

}  // namespace zelvio
