#include "tests/e2e/window_search.h"

#include "tests/e2e/call_limit.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/window_actions.h"

#include <sstream>

namespace zelvio::e2e {

std::string handleText(HWND window) {
    char text[32] = {};
    wsprintfA(text, "window %p", static_cast<void*>(window));
    return text;
}

// These calls are what names a window otherwise: a failed one gives its handle.
static std::function<std::string()> byHandle(HWND window) {
    return [window] { return handleText(window); };
}

static std::function<std::string()> processNamed(DWORD processId) {
    return [processId] { return "the process with id " + std::to_string(processId); };
}

std::string windowClass(HWND window) {
    return withinLimit("windowClass", byHandle(window), [window] {
        char name[256] = {};
        const int length = GetClassNameA(window, name, sizeof name);
        return std::string(name, length > 0 ? length : 0);
    });
}

std::string windowCaption(HWND window) {
    return withinLimit("windowCaption", byHandle(window), [window] {
        wchar_t text[1024] = {};
        const int length = GetWindowTextW(window, text, 1024);
        return toUtf8(std::wstring_view(text, length > 0 ? length : 0));
    });
}

std::string designName(HWND window) {
    return withinLimit("designName", byHandle(window), [window] {
        const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(window, "Name")));
        if (atom == 0) return std::string();
        char name[256] = {};
        const UINT length = GlobalGetAtomNameA(atom, name, sizeof name);
        return std::string(name, length);
    });
}

// Design names live in global atoms, which ignore letter case: a name comes
// back spelt as the first window that added it ("OKbutt" for "okbutt").
static bool sameName(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

std::vector<HWND> topLevelWindows(DWORD processId) {
    return withinLimit("topLevelWindows", processNamed(processId), [processId] {
        struct Search {
            DWORD processId;
            std::vector<HWND> found;
        } search{processId, {}};
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto& search = *reinterpret_cast<Search*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner == search.processId) search.found.push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    });
}

std::vector<HWND> descendants(HWND parent) {
    return withinLimit("descendants", nameOf(parent), [parent] {
        std::vector<HWND> found;
        EnumChildWindows(
            parent,
            [](HWND window, LPARAM data) -> BOOL {
                reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    });
}

static void describeOne(std::ostream& out, HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    out << "  class \"" << windowClass(window) << "\" caption \"" << windowCaption(window) << "\"";
    if (const std::string name = designName(window); !name.empty()) out << " name \"" << name << "\"";
    if (const int id = GetDlgCtrlID(window); id != 0 && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        out << " id " << id;
    out << (IsWindowVisible(window) ? " visible" : " hidden") << (IsWindowEnabled(window) ? "" : " disabled")
        << " at " << r.left << "," << r.top << " size " << (r.right - r.left) << "x" << (r.bottom - r.top) << "\n";
}

std::string describeWindows(DWORD processId) {
    return withinLimit("describeWindows", processNamed(processId), [processId] {
        std::ostringstream out;
        const auto windows = topLevelWindows(processId);
        out << "its top-level windows (" << windows.size() << "):\n";
        for (HWND window : windows) describeOne(out, window);
        return out.str();
    });
}

std::string describeChildren(HWND parent) {
    return withinLimit("describeChildren", nameOf(parent), [parent] {
        std::ostringstream out;
        const auto windows = descendants(parent);
        out << "the windows inside \"" << windowCaption(parent) << "\" (" << windows.size() << "):\n";
        for (HWND window : windows) describeOne(out, window);
        return out.str();
    });
}

// The first visible top-level window of the process that passes `test`.
static std::optional<HWND> firstTopLevel(DWORD processId, const WindowTest& test) {
    for (HWND window : topLevelWindows(processId))
        if (IsWindowVisible(window) && test(window)) return window;
    return std::nullopt;
}

std::optional<HWND> findTopLevel(const TestProcess& process, const WindowTest& test) {
    return withinLimit("findTopLevel", nameOf(process),
                       [id = process.id(), test] { return firstTopLevel(id, test); });
}

HWND waitForTopLevel(const TestProcess& process, const WindowTest& test, const std::string& sought,
                     Milliseconds timeout) {
    const std::string call = "waitForTopLevel(" + sought + ")";
    // Copies of what the wait needs: a call left behind outlives the test's objects.
    auto wait = [id = process.id(), handle = process.handle(), label = process.label(), test, sought, timeout] {
        std::optional<HWND> found;
        bool ended = false;
        pollUntil(
            [&] {
                found = firstTopLevel(id, test);
                ended = !found && WaitForSingleObject(handle, 0) != WAIT_TIMEOUT;
                return found || ended;
            },
            timeout);
        if (found) return *found;
        if (ended) {
            DWORD code = 0;
            GetExitCodeProcess(handle, &code);
            throw DriverError(label + " ended (exit code " + std::to_string(code) + ") without showing " + sought);
        }
        throw DriverError(label + " shows no " + sought + " after " + std::to_string(timeout.count()) + " ms; " +
                          describeWindows(id));
    };
    return withinLimit(call, nameOf(process), wait, timeout + kCallLimit);
}

HWND waitForWindow(const TestProcess& process, const std::string& caption, Milliseconds timeout) {
    return waitForTopLevel(
        process, [caption](HWND window) { return windowCaption(window) == caption; },
        "window captioned \"" + caption + "\"", timeout);
}

HWND waitForForm(const TestProcess& process, const std::string& name, Milliseconds timeout) {
    return waitForTopLevel(
        process, [name](HWND window) { return sameName(designName(window), name); }, "form named \"" + name + "\"",
        timeout);
}

bool waitUntilClosed(HWND window, Milliseconds timeout) {
    return withinLimit(
        "waitUntilClosed", nameOf(window),
        [window, timeout] {
            return pollUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeout);
        },
        timeout + kCallLimit);
}

HWND findControl(HWND window, const std::string& name) {
    return withinLimit("findControl(" + name + ")", nameOf(window), [window, name] {
        std::vector<HWND> found;
        for (HWND child : descendants(window))
            if (sameName(designName(child), name)) found.push_back(child);
        if (found.size() == 1) return found.front();
        throw DriverError((found.empty() ? "no control named \"" : "more than one control named \"") + name +
                          "\"; " + describeChildren(window));
    });
}

static bool matches(HWND window, const ChildQuery& query) {
    if (query.className && windowClass(window) != *query.className) return false;
    if (query.caption && windowCaption(window) != *query.caption) return false;
    if (query.id && GetDlgCtrlID(window) != *query.id) return false;
    return true;
}

std::vector<HWND> findChildren(HWND parent, const ChildQuery& query) {
    return withinLimit("findChildren", nameOf(parent), [parent, query] {
        std::vector<HWND> found;
        for (HWND child : descendants(parent))
            if (matches(child, query)) found.push_back(child);
        return found;
    });
}

static std::string describeQuery(const ChildQuery& query) {
    std::string text;
    if (query.className) text += " class \"" + *query.className + "\"";
    if (query.caption) text += " caption \"" + *query.caption + "\"";
    if (query.id) text += " id " + std::to_string(*query.id);
    return text.empty() ? " (any)" : text;
}

HWND findChild(HWND parent, const ChildQuery& query) {
    return withinLimit("findChild", nameOf(parent), [parent, query] {
        const auto found = findChildren(parent, query);
        if (found.size() == 1) return found.front();
        throw DriverError(std::string(found.empty() ? "no child window" : "more than one child window") + " with" +
                          describeQuery(query) + "; " + describeChildren(parent));
    });
}

}  // namespace zelvio::e2e
