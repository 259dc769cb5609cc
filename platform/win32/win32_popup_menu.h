#pragma once
// A pop-up menu, built from its portable items each time it is shown.

#include "platform/geometry.h"

#include <windows.h>

namespace zelvio {

class MenuItem;
class PopupMenu;

// Shows the menu at a point of the screen, owned by `owner`, and returns the
// item chosen, or null when the menu was dismissed.
MenuItem* trackPopupMenu(HWND owner, const PopupMenu& menu, Point screen);

}  // namespace zelvio
