#pragma once
// A form's menu bar, read from inside its program, and choosing its items by
// caption path, the "&" kept: {"&File", "E&xit"}. A caption matches an item's
// text in full or its part before a "\t" shortcut text.

#include "tests/e2e/menu_listing.h"

#include <windows.h>

#include <string>
#include <vector>

namespace zelvio::e2e {

using MenuPath = std::vector<std::string>;

std::vector<MenuEntry> readMenu(HWND window);

// The menu as an indented list, for failure messages.
std::string describeMenu(const std::vector<MenuEntry>& entries);

// The item at the end of `path`; fails, listing the menu, when there is none.
MenuEntry findMenuItem(HWND window, const MenuPath& path);

// Chooses a command item, as clicking it would (WM_COMMAND with its id,
// posted). Fails for a grayed item, a drop-down or a separator, and when the
// window takes no input.
void chooseMenuItem(HWND window, const MenuPath& path);

}  // namespace zelvio::e2e
