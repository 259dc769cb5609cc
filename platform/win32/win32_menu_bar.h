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
    explicit Win32MenuBar(HWND form);
    ~Win32MenuBar();
    Win32MenuBar(const Win32MenuBar&) = delete;
    Win32MenuBar& operator=(const Win32MenuBar&) = delete;

    // Takes a Menu or MenuItem (in creation order) and attaches its peer.
    void add(Control& control, int id);
    void detach();

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
    HMENU build() const;

    HWND form_;
    std::vector<Entry> entries_;
    bool open_ = false;
    bool stale_ = false;
};

}  // namespace zelvio
