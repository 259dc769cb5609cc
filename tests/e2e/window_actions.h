#pragma once
// What a user does to the windows of a program under test, done from outside
// with window messages. Anything that may open a modal dialog is posted, never
// sent, so the driver cannot wait on a program that waits on the user.

#include "tests/e2e/polling.h"

#include <windows.h>

#include <functional>
#include <string>

namespace zelvio::e2e {

// Presses a visible, enabled button (BM_CLICK).
void click(HWND button);

// The window's text, asked of the window itself (WM_GETTEXT).
std::string readText(HWND window);
// Waits until the window's text is `expected`; returns the last text read.
std::string waitForText(HWND window, const std::string& expected, Milliseconds timeout = kDefaultTimeout);

// Replaces the text of a visible, enabled, writable edit (or combo box) so the
// program sees the change as if typed. The text is sent, so it overtakes
// clicks and keys posted before: wait for their effect first when it matters.
void typeText(HWND edit, const std::string& text);

// Enabled, and usable: neither it nor its top-level window disabled.
bool isEnabled(HWND window);
bool isVisible(HWND window);

// Outer and client rectangles, both in screen coordinates.
RECT windowRect(HWND window);
RECT clientRect(HWND window);

// The window that has the keyboard focus in the program that owns `anyWindow`.
HWND focusedWindow(HWND anyWindow);
// Waits until `window` has the focus.
bool waitForFocus(HWND window, Milliseconds timeout = kDefaultTimeout);

// A key pressed and let go while `window` has the keyboard; with Alt held
// as a system key (Alt+F4).
void pressKey(HWND window, UINT virtualKey, bool alt = false);

// Closes a top-level window as its close box does (WM_SYSCOMMAND SC_CLOSE).
void pressCloseBox(HWND window);

// Moves and sizes a top-level window as dragging its frame does, and waits
// until it is there.
void moveWindow(HWND window, int left, int top, int width, int height);

// "name" ("caption"), naming a window in messages.
std::string windowLabel(HWND window);
// Names the window in the failure of a driver call on it.
std::function<std::string()> nameOf(HWND window);

}  // namespace zelvio::e2e
