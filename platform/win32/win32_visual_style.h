#pragma once
// How the system draws this program's buttons and combo boxes.

namespace zelvio {

// Whether they are drawn in the visual style: they are the common controls'
// own (the program's manifest asks for version 6) and a theme is on.
// Otherwise they have the classic look.
bool controlsInVisualStyle();

}  // namespace zelvio
