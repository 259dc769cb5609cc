#include "tests/e2e/window_actions.h"

#include "tests/e2e/call_limit.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/system_error.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/window_search.h"

#include <vector>

namespace zelvio::e2e {

// How long a program may take to answer a sent message before the driver
// calls it hung.
static constexpr UINT kAnswerTimeoutMs = 2000;

std::string windowLabel(HWND window) {
    std::string label = designName(window);
    label = label.empty() ? windowClass(window) : "\"" + label + "\"";
    return label + " \"" + windowCaption(window) + "\"";
}

std::function<std::string()> nameOf(HWND window) {
    return [window] { return windowLabel(window); };
}

bool isEnabled(HWND window) {
    return withinLimit("isEnabled", nameOf(window), [window] {
        return IsWindowEnabled(window) && IsWindowEnabled(GetAncestor(window, GA_ROOT));
    });
}

bool isVisible(HWND window) {
    return withinLimit("isVisible", nameOf(window), [window] { return IsWindowVisible(window) != FALSE; });
}

// A user can act only on a control that is shown and takes input.
static void requireUsable(HWND window, const std::string& action) {
    if (!IsWindow(window)) throw DriverError("cannot " + action + ": the window is gone");
    if (!IsWindowVisible(window)) throw DriverError("cannot " + action + " " + windowLabel(window) + ": it is hidden");
    if (!IsWindowEnabled(window))
        throw DriverError("cannot " + action + " " + windowLabel(window) + ": it is disabled");
    if (HWND top = GetAncestor(window, GA_ROOT); !IsWindowEnabled(top))
        throw DriverError("cannot " + action + " " + windowLabel(window) + ": its window " + windowLabel(top) +
                          " is disabled (a modal dialog is open?)");
}

void click(HWND button) {
    withinLimit("click", nameOf(button), [button] {
        requireUsable(button, "click");
        if (!PostMessageA(button, BM_CLICK, 0, 0))
            throw DriverError("cannot click " + windowLabel(button) + ": " + lastErrorText());
    });
}

static LRESULT sendOrFail(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kAnswerTimeoutMs, &result))
        throw DriverError("cannot " + what + " " + windowLabel(window) + ": " + lastErrorText());
    return static_cast<LRESULT>(result);
}

std::string readText(HWND window) {
    return withinLimit("readText", nameOf(window), [window] {
        if (!IsWindow(window)) throw DriverError("cannot read the text of a window that is gone");
        const auto length = sendOrFail(window, WM_GETTEXTLENGTH, 0, 0, "read the text of");
        std::vector<wchar_t> text(static_cast<std::size_t>(length) + 2);
        const auto copied = sendOrFail(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                                       "read the text of");
        return toUtf8(std::wstring_view(text.data(), static_cast<std::size_t>(copied)));
    });
}

std::string waitForText(HWND window, const std::string& expected, Milliseconds timeout) {
    return withinLimit(
        "waitForText(\"" + expected + "\")", nameOf(window),
        [window, expected, timeout] {
            std::string text;
            pollUntil(
                [&] {
                    text = readText(window);
                    return text == expected;
                },
                timeout);
            return text;
        },
        timeout + kCallLimit);
}

void typeText(HWND edit, const std::string& text) {
    withinLimit("typeText(\"" + text + "\")", nameOf(edit), [edit, text] {
        requireUsable(edit, "type into");
        if (windowClass(edit) == "Edit" && (GetWindowLongA(edit, GWL_STYLE) & ES_READONLY))
            throw DriverError("cannot type into " + windowLabel(edit) + ": it is read-only");
        DWORD_PTR result = 0;
        const std::wstring wideText = toWide(text);
        if (!SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wideText.c_str()), SMTO_NORMAL,
                                 kAnswerTimeoutMs, &result)) {
            // The program may still be inside its change handler, showing a modal
            // box; then the text has arrived, and the box's loop answers readText.
            const bool timedOut = GetLastError() == ERROR_TIMEOUT;
            const std::string reason = lastErrorText();
            if (!timedOut || readText(edit) != text)
                throw DriverError("cannot type into " + windowLabel(edit) + ": " + reason);
        }
        // A multi-line edit does not report text set this way; typing would.
        if (windowClass(edit) == "Edit" && (GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE))
            PostMessageA(GetParent(edit), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(edit), EN_CHANGE),
                         reinterpret_cast<LPARAM>(edit));
    });
}

RECT windowRect(HWND window) {
    return withinLimit("windowRect", nameOf(window), [window] {
        RECT rect = {};
        if (!GetWindowRect(window, &rect)) throw DriverError("cannot read the rectangle of a window that is gone");
        return rect;
    });
}

RECT clientRect(HWND window) {
    return withinLimit("clientRect", nameOf(window), [window] {
        RECT rect = {};
        if (!GetClientRect(window, &rect)) throw DriverError("cannot read the client area of a window that is gone");
        MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    });
}

HWND focusedWindow(HWND anyWindow) {
    return withinLimit("focusedWindow", nameOf(anyWindow), [anyWindow]() -> HWND {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(anyWindow, nullptr), &info)) return nullptr;
        return info.hwndFocus;
    });
}

bool waitForFocus(HWND window, Milliseconds timeout) {
    return withinLimit(
        "waitForFocus", nameOf(window),
        [window, timeout] { return pollUntil([&] { return focusedWindow(window) == window; }, timeout); },
        timeout + kCallLimit);
}

void pressKey(HWND window, UINT virtualKey, bool alt) {
    withinLimit("pressKey", nameOf(window), [window, virtualKey, alt] {
        if (!IsWindow(window)) throw DriverError("cannot press a key in a window that is gone");
        const LPARAM altDown = alt ? (KF_ALTDOWN << 16) : 0;
        PostMessageW(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, 1 | altDown);
        PostMessageW(window, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey,
                     1 | altDown | (KF_REPEAT << 16) | (KF_UP << 16));
    });
}

void pressCloseBox(HWND window) {
    withinLimit("pressCloseBox", nameOf(window), [window] {
        if (!IsWindow(window)) throw DriverError("cannot close a window that is gone");
        if (!(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU))
            throw DriverError("cannot close " + windowLabel(window) + ": it has no close box");
        requireUsable(window, "close");
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
}

void moveWindow(HWND window, int left, int top, int width, int height) {
    withinLimit("moveWindow", nameOf(window), [window, left, top, width, height] {
        // Asynchronous: a window of another program is moved by a message to
        // it, which a synchronous call would wait for without a limit.
        if (!SetWindowPos(window, nullptr, left, top, width, height,
                          SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS))
            throw DriverError("cannot move " + windowLabel(window) + ": " + lastErrorText());
        const bool there = pollUntil(
            [&] {
                const RECT r = windowRect(window);
                return r.left == left && r.top == top && r.right - r.left == width && r.bottom - r.top == height;
            },
            kDefaultTimeout);
        if (!there) throw DriverError(windowLabel(window) + " did not move to its new place");
    });
}

}  // namespace zelvio::e2e
