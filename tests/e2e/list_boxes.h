#pragma once
// List boxes of a program under test, read and used from outside as a user
// would: items, selection, clicks and double clicks on items, right clicks.

#include <windows.h>

#include <string>
#include <vector>

namespace zelvio::e2e {

std::vector<std::string> listItems(HWND list);
std::vector<int> selectedItems(HWND list);
// Clicks the items one by one (Ctrl held for every one after the first in a
// multi-select list), as a mouse would, so the program hears of the new
// selection; each click must have selected its item before the next.
void selectItems(HWND list, const std::vector<int>& items);
void doubleClickItem(HWND list, int item);
// Presses and lets go of the right mouse button over the item.
void rightClickItem(HWND list, int item);

// The items of a drop-down list (a combo box), and choosing one as the
// keyboard does, so the program hears of the choice.
std::vector<std::string> comboItems(HWND combo);
void chooseComboItem(HWND combo, int item);

}  // namespace zelvio::e2e
