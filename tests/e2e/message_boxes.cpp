#include "tests/e2e/message_boxes.h"

#include "tests/e2e/call_limit.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/window_actions.h"
#include "tests/e2e/window_search.h"

#include <algorithm>

namespace zelvio::e2e {

static constexpr int kMessageTextId = 0xFFFF;

static bool isMessageBox(HWND window, const std::string& title) {
    return windowClass(window) == "#32770" && windowCaption(window) == title &&
           GetDlgItem(window, kMessageTextId) != nullptr;
}

std::optional<HWND> findMessageBox(const TestProcess& process, const std::string& title) {
    return findTopLevel(process, [title](HWND window) { return isMessageBox(window, title); });
}

MessageBoxView waitForMessageBox(const TestProcess& process, const std::string& title, Milliseconds timeout) {
    const HWND box = waitForTopLevel(
        process, [title](HWND window) { return isMessageBox(window, title); },
        "message box titled \"" + title + "\"", timeout);
    return readMessageBox(box);
}

bool messageBoxShows(const TestProcess& process, const std::string& title, Milliseconds watch) {
    return pollUntil([&] { return findMessageBox(process, title).has_value(); }, watch);
}

static std::vector<HWND> visibleButtons(HWND dialog) {
    auto buttons = findChildren(dialog, {.className = "Button"});
    std::erase_if(buttons, [](HWND button) { return !IsWindowVisible(button); });
    std::sort(buttons.begin(), buttons.end(),
              [](HWND a, HWND b) { return windowRect(a).left < windowRect(b).left; });
    return buttons;
}

MessageBoxView readMessageBox(HWND box) {
    return withinLimit("readMessageBox", nameOf(box), [box] {
        MessageBoxView view;
        view.window = box;
        view.title = windowCaption(box);
        view.text = readText(findChild(box, {.id = kMessageTextId}));
        for (HWND button : visibleButtons(box)) view.buttons.push_back(readText(button));
        return view;
    });
}

void pressButton(HWND dialog, const std::string& caption) {
    withinLimit("pressButton(\"" + caption + "\")", nameOf(dialog), [dialog, caption] {
        std::string seen;
        for (HWND button : visibleButtons(dialog)) {
            const std::string text = readText(button);
            if (text == caption) {
                click(button);
                if (!waitUntilClosed(dialog))
                    throw DriverError(windowLabel(dialog) + " stays open after \"" + caption + "\" was pressed");
                return;
            }
            seen += " \"" + text + "\"";
        }
        throw DriverError("no button \"" + caption + "\" in " + windowLabel(dialog) + "; its buttons:" + seen);
    });
}

}  // namespace zelvio::e2e
