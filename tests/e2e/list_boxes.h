#pragma once
// List boxes of a program under test, read and used from outside: items,
// selection, choosing and double-clicking items, right clicks.

#include <windows.h>

#include <string>
#include <vector>

namespace zelvio::e2e {

std::vector<std::string> listItems(HWND list);
// The number of items, and one item's text: for a list too long to read whole
// while the program works on it.
int listCount(HWND list);
std::string listItem(HWND list, int index);
std::vector<int> selectedItems(HWND list);
// Selects the items as clicks do (the first alone, the rest added as
// Ctrl+clicks add them) and tells the program as the list tells it after a
// click (LBN_SELCHANGE). Not by posted clicks: under Wine these were seen to
// select other items now and then, it seems by a mouse move reaching the list
// while it held the mouse between the posted button down and up.
void selectItems(HWND list, const std::vector<int>& items);
// Selects the item and tells the program of a double click on it (LBN_DBLCLK).
void doubleClickItem(HWND list, int item);
// Presses and lets go of the right mouse button over the item.
void rightClickItem(HWND list, int item);

// The items of a drop-down list (a combo box), and choosing one as the
// keyboard does, so the program hears of the choice.
std::vector<std::string> comboItems(HWND combo);
void chooseComboItem(HWND combo, int item);

}  // namespace zelvio::e2e
