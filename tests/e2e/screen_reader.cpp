#include "tests/e2e/screen_reader.h"

#include "tests/e2e/accessible_object.h"
#include "tests/e2e/call_limit.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/window_actions.h"
#include "tests/e2e/window_search.h"

#include <ole2.h>

namespace zelvio::e2e {

namespace {

// COM for the thread a driver call runs on, as long as the call lasts.
class ComOnThisThread {
public:
    ComOnThisThread() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ~ComOnThisThread() {
        if (joined_) CoUninitialize();
    }
    ComOnThisThread(const ComOnThisThread&) = delete;
    ComOnThisThread& operator=(const ComOnThisThread&) = delete;

private:
    bool joined_;
};

// The name the system's own object gives, whatever the window answers.
std::string systemName(HWND window) {
    const Accessible object = systemObject(window);
    return object ? accName(object.get()) : std::string();
}

// "&Title" reads "Title"; "&&" is an "&".
std::string withoutMnemonic(const std::string& caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        text += caption[i];
    }
    return text;
}

bool namedByLabel(HWND control) {
    const std::string kind = windowClass(control);
    return lstrcmpiA(kind.c_str(), "Edit") == 0 || lstrcmpiA(kind.c_str(), "ListBox") == 0 ||
           lstrcmpiA(kind.c_str(), "ComboBox") == 0;
}

}  // namespace

Heard hear(HWND window, long child) {
    return withinLimit("hear", nameOf(window), [window, child] {
        ComOnThisThread com;
        IAccessible* found = nullptr;
        const HRESULT result =
            AccessibleObjectFromWindow(window, OBJID_CLIENT, accessibleIid, reinterpret_cast<void**>(&found));
        if (FAILED(result) || found == nullptr) {
            throw DriverError("no accessible object for " + windowLabel(window) + ": error " +
                              std::to_string(static_cast<unsigned long>(result)));
        }
        const Accessible object(found);
        return Heard{accName(object.get(), child), accRole(object.get(), child), accValue(object.get(), child)};
    });
}

std::string spokenName(HWND control) {
    const std::string name = hear(control).name;
    if (!namedByLabel(control)) return name;
    // An object of the window's own names it; the system's names a field by its label.
    const auto asSystem = [control] {
        ComOnThisThread com;
        return systemName(control);
    };
    if (withinLimit("systemName", nameOf(control), asSystem) != name) return name;
    const HWND label = GetWindow(control, GW_HWNDPREV);
    if (label == nullptr || lstrcmpiA(windowClass(label).c_str(), "Static") != 0) return {};
    return withoutMnemonic(windowCaption(label));
}

std::vector<HWND> tabStops(HWND form) {
    std::vector<HWND> stops;
    for (HWND child = GetWindow(form, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (isVisible(child) && IsWindowEnabled(child) && (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0) {
            stops.push_back(child);
        }
    }
    return stops;
}

}  // namespace zelvio::e2e
