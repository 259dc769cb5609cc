#pragma once
// A form's menu bar, read from inside its program, and choosing its items by
// caption path, the "&" kept: {"&File", "E&xit"}. A caption matches an item's
// text in full or its part before a "\t" shortcut text.

#include "tests/e2e/menu_listing.h"
#include "tests/e2e/test_process.h"

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

// Waits for the process's pop-up menu to show and chooses its item by the
// letter marked with "&", as the keyboard does. `thread` is any window of
// the program's user-interface thread, where the menu reads its keys.
void choosePopupItem(const TestProcess& process, HWND thread, wchar_t letter);

}  // namespace zelvio::e2e
