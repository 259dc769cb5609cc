#include "tests/e2e/open_dialog.h"

#include "tests/e2e/call_limit.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/window_actions.h"
#include "tests/e2e/window_search.h"

#include <optional>

namespace zelvio::e2e {

// The explorer dialog's file-name combo box (cmb13) and the older edit (edt1).
static constexpr int kFileNameCombo = 0x47C;
static constexpr int kFileNameEdit = 0x480;

static std::optional<HWND> visibleChild(HWND dialog, int id) {
    for (HWND child : findChildren(dialog, {.id = id}))
        if (IsWindowVisible(child)) return child;
    return std::nullopt;
}

static bool isOpenDialog(HWND window) {
    return windowClass(window) == "#32770" &&
           (visibleChild(window, kFileNameCombo) || visibleChild(window, kFileNameEdit));
}

HWND waitForOpenDialog(const TestProcess& process, Milliseconds timeout) {
    return waitForTopLevel(process, isOpenDialog, "open-file dialog", timeout);
}

static void pressAndWaitForClose(HWND dialog, int buttonId, const std::string& what) {
    click(findChild(dialog, {.className = "Button", .id = buttonId}));
    if (!waitUntilClosed(dialog))
        throw DriverError("the open-file dialog stays open after " + what + "; " + describeChildren(dialog));
}

void chooseFile(HWND dialog, const std::string& fileName) {
    withinLimit("chooseFile(\"" + fileName + "\")", nameOf(dialog), [dialog, fileName] {
        auto field = visibleChild(dialog, kFileNameCombo);
        if (!field) field = visibleChild(dialog, kFileNameEdit);
        if (!field) throw DriverError("the open-file dialog has no file-name box; " + describeChildren(dialog));
        typeText(*field, fileName);
        pressAndWaitForClose(dialog, IDOK, "choosing \"" + fileName + "\"");
    });
}

void cancelOpenDialog(HWND dialog) {
    withinLimit("cancelOpenDialog", nameOf(dialog), [dialog] { pressAndWaitForClose(dialog, IDCANCEL, "Cancel"); });
}

}  // namespace zelvio::e2e
