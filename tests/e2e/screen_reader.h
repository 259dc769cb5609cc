#pragma once
// A program under test read as a screen reader reads it, through Microsoft
// Active Accessibility: oleacc's object for a window's client area
// (AccessibleObjectFromWindow), its name, role and value. Wine's standard
// objects name a window by its text alone; where Windows' own rule names a
// field by the label before it, that rule is applied here.

#include <windows.h>

#include <string>
#include <vector>

namespace zelvio::e2e {

struct Heard {
    std::string name;
    long role = 0;  // ROLE_SYSTEM_*; 0 when there is none
    std::string value;
};

// What a screen reader hears of the window's client area, or of its item
// `child` (counted from 1).
Heard hear(HWND window, long child = 0);

// The control's name as Windows gives it: the object's own, or, for an edit,
// list or combo box whose object leaves its name to the system, the text of
// the label just before it in z-order (GW_HWNDPREV), without its "&".
std::string spokenName(HWND control);

// The controls of a form that Tab stops at: visible, enabled and tab stops,
// in z-order, which is the tab order.
std::vector<HWND> tabStops(HWND form);

}  // namespace zelvio::e2e
