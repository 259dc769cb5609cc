#pragma once
// The system's message box with the program's exact button captions.

#include "platform/toolkit.h"

#include <windows.h>

namespace zelvio {

// Shows the box owned by `owner` and returns the button pressed. A box the
// system cannot show answers as the most cautious of its buttons would.
MessageResult showMessageBox(HWND owner, const MessageBoxRequest& request);

}  // namespace zelvio
