#pragma once
// The colours of what the program paints itself. Each thing it paints has a
// colour of the design's; while the user has high contrast on, it takes one
// of the system's colours instead, chosen by what it is and where it lies, so
// that the user's scheme decides and every pair reads. This is the one place
// that makes that choice; every painting routine asks it.

#include <windows.h>

namespace zelvio {

// Where something is painted. The system pairs a text colour with a
// background colour for each, and a high-contrast scheme makes each pair
// readable.
enum class Ground {
    Face,       // the form, a button's face, a label or picture on the form
    Window,     // a list's items, a field, a panel painted on the form, the gauge's empty part
    Selection,  // a selected item, the gauge's filled part
};

// What a colour is for.
enum class Role {
    Text,      // text, lines and marks
    Back,      // what lies behind them
    Standout,  // a word that tells a state
};

// Whether the user has high contrast on. Asked of the system once, and again
// after forgetContrast().
bool highContrast();
void forgetContrast();

// What to paint with: the design's colour (or brush) while high contrast is
// off, the system's for `role` on `ground` while it is on.
COLORREF colourOf(Role role, Ground ground, COLORREF design);
HBRUSH brushOf(Role role, Ground ground, HBRUSH design);

// The setting or the system's colours changed (WM_SETTINGCHANGE,
// WM_SYSCOLORCHANGE reaching a form): the setting is asked again, the
// system's own controls hear of it, and the form paints everything anew.
void repaintInNewColours(HWND form);

}  // namespace zelvio
