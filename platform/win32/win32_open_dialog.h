#pragma once
// The system's open-file dialog.

#include "platform/toolkit.h"

#include <windows.h>

#include <optional>
#include <string>

namespace zelvio {

// The full path the user chose, or none when the dialog was cancelled.
std::optional<std::string> showOpenDialog(HWND owner, const OpenFileRequest& request);

}  // namespace zelvio
