#pragma once
// The standard open-file dialog (GetOpenFileName, explorer style) of a
// program under test.

#include "tests/e2e/polling.h"
#include "tests/e2e/test_process.h"

#include <windows.h>

#include <string>

namespace zelvio::e2e {

// The open-file dialog shown by the process; fails, listing its windows.
HWND waitForOpenDialog(const TestProcess& process, Milliseconds timeout = kDefaultTimeout);

// Types `fileName` (a name or a full path) into the file-name box and presses
// Open; fails when the dialog stays open.
void chooseFile(HWND dialog, const std::string& fileName);
// Presses Cancel; fails when the dialog stays open.
void cancelOpenDialog(HWND dialog);

}  // namespace zelvio::e2e
