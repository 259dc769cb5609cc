#pragma once
// A form's menu bar, built from its Menu and MenuItem controls and rebuilt
// whenever one of them changes.

#include "platform/control.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace zelvio {

class Win32MenuBar {
public:
    Win32MenuBar();
    ~Win32MenuBar();
    Win32MenuBar(const Win32MenuBar&) = delete;
    Win32MenuBar& operator=(const Win32MenuBar&) = delete;

    // Takes a Menu or MenuItem (in creation order) and attaches its peer.
    void add(Control& control, int id);
    void detach();

    // The menu the form's window is made with; it is the window's from then on.
    HMENU build() const;
    void madeWith(HWND form) { form_ = form; }
    // Puts the portable state on the window: now, or when the open menu closes.
    void refresh();
    void menuLoop(bool open);

    Control* itemWithId(int id) const;
    Control* itemWithShortcut(ShortcutKey key) const;

private:
    class EntryPeer;
    struct Entry {
        Control* control;
        int id;
        std::unique_ptr<EntryPeer> peer;
    };

    HWND form_ = nullptr;
    std::vector<Entry> entries_;
    bool open_ = false;
    bool stale_ = false;
};

}  // namespace zelvio
