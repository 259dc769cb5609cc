#pragma once
// A window's menu written as text, one item a line, so that it can be read
// inside the program that owns it and handed over to the driver. Wine keeps
// menus in their program's memory, where no other process can reach them.

#include <windows.h>

#include <string>
#include <vector>

namespace zelvio::e2e {

struct MenuEntry {
    int depth = 0;  // 0 for the menu bar's drop-downs
    UINT id = 0;
    bool popup = false;
    bool separator = false;
    bool grayed = false;
    bool checked = false;
    std::string caption;  // with its "&" and any "\t" shortcut text
};

// "depth<TAB>id<TAB>flags<TAB>caption" lines, depth first.
std::string writeMenuListing(HMENU menu);
std::vector<MenuEntry> parseMenuListing(const std::string& listing);

}  // namespace zelvio::e2e
