#include "tests/e2e/menus.h"

#include "tests/e2e/call_limit.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/window_actions.h"
#include "tests/e2e/window_search.h"

#include <optional>
#include <sstream>

namespace zelvio::e2e {

std::string describeMenu(const std::vector<MenuEntry>& entries) {
    if (entries.empty()) return "the window has no menu\n";
    std::ostringstream out;
    out << "the menu is:\n";
    for (const auto& entry : entries) {
        out << std::string(2 * (entry.depth + 1), ' ') << (entry.separator ? "----" : "\"" + entry.caption + "\"");
        if (entry.grayed) out << " (grayed)";
        if (entry.checked) out << " (checked)";
        out << "\n";
    }
    return out.str();
}

static bool captionMatches(const std::string& text, const std::string& caption) {
    return text == caption || text.substr(0, text.find('\t')) == caption;
}

// The positions in `entries` of each item along `path`; none when one is missing.
static std::optional<std::vector<std::size_t>> locate(const std::vector<MenuEntry>& entries, const MenuPath& path) {
    std::vector<std::size_t> found;
    std::size_t begin = 0;
    std::size_t end = entries.size();
    for (int depth = 0; depth < static_cast<int>(path.size()); ++depth) {
        std::size_t at = begin;
        while (at < end && !(entries[at].depth == depth && captionMatches(entries[at].caption, path[depth]))) ++at;
        if (at == end) return std::nullopt;
        found.push_back(at);
        begin = at + 1;
        end = begin;
        while (end < entries.size() && entries[end].depth > depth) ++end;
    }
    return found;
}

static std::string describePath(const MenuPath& path) {
    std::string text;
    for (const auto& caption : path) text += (text.empty() ? "\"" : " > \"") + caption + "\"";
    return text;
}

MenuEntry findMenuItem(HWND window, const MenuPath& path) {
    return withinLimit("findMenuItem(" + describePath(path) + ")", nameOf(window), [window, path] {
        const auto entries = readMenu(window);
        const auto found = path.empty() ? std::nullopt : locate(entries, path);
        if (!found)
            throw DriverError("no menu item " + describePath(path) + " in " + windowLabel(window) + "; " +
                              describeMenu(entries));
        return entries[found->back()];
    });
}

void chooseMenuItem(HWND window, const MenuPath& path) {
    withinLimit("chooseMenuItem(" + describePath(path) + ")", nameOf(window), [window, path] {
        const auto entries = readMenu(window);
        const auto found = path.empty() ? std::nullopt : locate(entries, path);
        const std::string item = "menu item " + describePath(path) + " of " + windowLabel(window);
        if (!found) throw DriverError("no " + item + "; " + describeMenu(entries));
        for (std::size_t at : *found)
            if (entries[at].grayed)
                throw DriverError("cannot choose " + item + ": \"" + entries[at].caption + "\" is grayed");
        const MenuEntry& chosen = entries[found->back()];
        if (chosen.popup || chosen.separator)
            throw DriverError("cannot choose " + item + ": it is a drop-down or separator, not a command");
        if (!isEnabled(window)) throw DriverError("cannot choose " + item + ": the window is disabled");
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(chosen.id, 0), 0);
    });
}

void choosePopupItem(const TestProcess& process, HWND thread, wchar_t letter) {
    waitForTopLevel(
        process, [](HWND window) { return windowClass(window) == "#32768"; }, "a pop-up menu", kDefaultTimeout);
    withinLimit("choosePopupItem", nameOf(thread), [thread, letter] { PostMessageW(thread, WM_CHAR, letter, 0); });
}

}  // namespace zelvio::e2e
