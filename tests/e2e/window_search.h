#pragma once
// Finding the windows of a program under test: top-level windows by caption,
// class or design name, controls by design name (the window property "Name"
// holding a global atom), other child windows by class, caption or id.
// Failures name what was sought and list what the program had instead.

#include "tests/e2e/polling.h"
#include "tests/e2e/test_process.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelvio::e2e {

std::string windowClass(HWND window);
// The text the window system keeps for the window; never waits for its
// program (readText asks the control itself).
std::string windowCaption(HWND window);
// The window's design name, empty when it has none.
std::string designName(HWND window);
// "window 0x...", naming a window in failures of the calls above.
std::string handleText(HWND window);

std::vector<HWND> topLevelWindows(DWORD processId);
// Every window below `parent`, children of children included.
std::vector<HWND> descendants(HWND parent);

// A list of the process's top-level windows with class, caption, name, state
// and place, for failure messages.
std::string describeWindows(DWORD processId);
// The same for the windows inside `parent`.
std::string describeChildren(HWND parent);

using WindowTest = std::function<bool(HWND)>;

// The process's first visible top-level window that passes `test`, waiting up
// to `timeout`; fails with `sought` and the list of its windows. Fails at once
// when the process ends meanwhile.
HWND waitForTopLevel(const TestProcess& process, const WindowTest& test, const std::string& sought,
                     Milliseconds timeout);
// The visible top-level window whose caption is exactly `caption`.
HWND waitForWindow(const TestProcess& process, const std::string& caption, Milliseconds timeout = kStartTimeout);
// The visible form whose design name is `name`.
HWND waitForForm(const TestProcess& process, const std::string& name, Milliseconds timeout = kDefaultTimeout);
// The visible top-level window of the process found now, or none.
std::optional<HWND> findTopLevel(const TestProcess& process, const WindowTest& test);

// True once `window` is gone or hidden.
bool waitUntilClosed(HWND window, Milliseconds timeout = kDefaultTimeout);

// The control inside `window` with the design name `name`; it must be the
// only one.
HWND findControl(HWND window, const std::string& name);

struct ChildQuery {
    std::optional<std::string> className;
    std::optional<std::string> caption;
    std::optional<int> id;
};
std::vector<HWND> findChildren(HWND parent, const ChildQuery& query);
// The only child that matches; fails when there is none or more than one.
HWND findChild(HWND parent, const ChildQuery& query);

}  // namespace zelvio::e2e
