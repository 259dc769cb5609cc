#pragma once
// Message boxes of a program under test: standard dialogs (class "#32770")
// whose text is the static control with id 0xFFFF.

#include "tests/e2e/polling.h"
#include "tests/e2e/test_process.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace zelvio::e2e {

struct MessageBoxView {
    HWND window = nullptr;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;  // captions, left to right
};

// The box with this title shown now, if any.
std::optional<HWND> findMessageBox(const TestProcess& process, const std::string& title);
// Waits for the box with this title; fails, listing the process's windows.
MessageBoxView waitForMessageBox(const TestProcess& process, const std::string& title,
                                 Milliseconds timeout = kDefaultTimeout);
MessageBoxView readMessageBox(HWND box);
// Watches for the box with this title for `watch`; whether it showed. For
// checks that a box does not come.
bool messageBoxShows(const TestProcess& process, const std::string& title, Milliseconds watch = kQuietWatch);

// Presses the box's visible button with exactly this caption ("&Yes") and
// waits until the box is gone, as each button of a message box closes it:
// until then the window under it takes no input.
void pressButton(HWND dialog, const std::string& caption);

}  // namespace zelvio::e2e
