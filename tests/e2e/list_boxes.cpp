#include "tests/e2e/list_boxes.h"

#include "tests/e2e/call_limit.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/window_actions.h"

#include <algorithm>
#include <optional>

namespace zelvio::e2e {

namespace {

constexpr UINT kAnswerTimeoutMs = 2000;

LRESULT ask(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(list, message, wParam, lParam, SMTO_NORMAL, kAnswerTimeoutMs, &result))
        throw DriverError("the list " + windowLabel(list) + " does not answer");
    return static_cast<LRESULT>(result);
}

// The middle of the item, in the list's client coordinates, scrolled into view.
LPARAM itemPoint(HWND list, int item) {
    ask(list, LB_SETTOPINDEX, static_cast<WPARAM>(item), 0);
    RECT rect{};
    if (ask(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
        throw DriverError("the list " + windowLabel(list) + " has no item " + std::to_string(item));
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// One item's text, asked with a list box's or a combo box's messages; none
// when the item went while asking. The program may give the item a longer
// text between the two questions: the buffer leaves room for it.
std::optional<std::string> itemText(HWND list, LRESULT index, UINT length, UINT text) {
    constexpr std::size_t room = 1024;
    const LRESULT size = ask(list, length, static_cast<WPARAM>(index), 0);
    if (size == LB_ERR) return std::nullopt;
    std::wstring item(static_cast<std::size_t>(size) + room, L'\0');
    const auto got = ask(list, text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.data()));
    if (got == LB_ERR) return std::nullopt;
    item.resize(std::min(static_cast<std::size_t>(got), item.size()));
    return toUtf8(item);
}

// Every item's text. A list the program fills again meanwhile is read again,
// so that the texts are all of one filling.
std::vector<std::string> itemTexts(HWND list, UINT count, UINT length, UINT text) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::vector<std::string> items;
        const auto total = ask(list, count, 0, 0);
        for (LRESULT i = 0; i < total; ++i) {
            auto item = itemText(list, i, length, text);
            if (!item) break;
            items.push_back(std::move(*item));
        }
        if (static_cast<LRESULT>(items.size()) == total && ask(list, count, 0, 0) == total) return items;
    }
    throw DriverError("the list " + windowLabel(list) + " changed each time it was read");
}

void requireUsable(HWND list, const char* action) {
    if (!isVisible(list) || !isEnabled(list))
        throw DriverError(std::string("cannot ") + action + " in " + windowLabel(list) + ": it is hidden or disabled");
}

// Selects the items as clicks do, the first alone and the rest added, with
// the caret on the last.
void setSelection(HWND list, const std::vector<int>& items) {
    const bool multiSelect = GetWindowLongW(list, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL);
    if (multiSelect) ask(list, LB_SETSEL, FALSE, -1);
    for (int item : items) {
        const LRESULT done = multiSelect ? ask(list, LB_SETSEL, TRUE, item)
                                         : ask(list, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
        if (done == LB_ERR)
            throw DriverError("the list " + windowLabel(list) + " has no item " + std::to_string(item));
    }
    if (!items.empty()) ask(list, LB_SETCARETINDEX, static_cast<WPARAM>(items.back()), FALSE);
}

// What the list tells its window after a click.
void notifyParent(HWND list, WORD code) {
    PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), code), reinterpret_cast<LPARAM>(list));
}

}  // namespace

std::vector<std::string> listItems(HWND list) {
    return withinLimit("listItems", nameOf(list),
                       [list] { return itemTexts(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT); });
}

int listCount(HWND list) {
    return withinLimit("listCount", nameOf(list), [list] { return static_cast<int>(ask(list, LB_GETCOUNT, 0, 0)); });
}

std::string listItem(HWND list, int index) {
    return withinLimit("listItem", nameOf(list), [list, index] {
        auto item = itemText(list, index, LB_GETTEXTLEN, LB_GETTEXT);
        if (!item) throw DriverError("the list " + windowLabel(list) + " has no item " + std::to_string(index));
        return *item;
    });
}

std::vector<int> selectedItems(HWND list) {
    return withinLimit("selectedItems", nameOf(list), [list] {
        std::vector<int> selected;
        const auto count = ask(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            if (ask(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) selected.push_back(static_cast<int>(i));
        }
        return selected;
    });
}

void selectItems(HWND list, const std::vector<int>& items) {
    withinLimit("selectItems", nameOf(list), [list, items] {
        requireUsable(list, "select");
        setSelection(list, items);
        notifyParent(list, LBN_SELCHANGE);
    });
}

void doubleClickItem(HWND list, int item) {
    withinLimit("doubleClickItem", nameOf(list), [list, item] {
        requireUsable(list, "double-click");
        setSelection(list, {item});
        notifyParent(list, LBN_DBLCLK);
    });
}

void rightClickItem(HWND list, int item) {
    withinLimit("rightClickItem", nameOf(list), [list, item] {
        requireUsable(list, "right-click");
        const LPARAM point = itemPoint(list, item);
        PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, point);
        PostMessageW(list, WM_RBUTTONUP, 0, point);
    });
}

std::vector<std::string> comboItems(HWND combo) {
    return withinLimit("comboItems", nameOf(combo),
                       [combo] { return itemTexts(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT); });
}

void chooseComboItem(HWND combo, int item) {
    withinLimit("chooseComboItem", nameOf(combo), [combo, item] {
        requireUsable(combo, "choose");
        if (ask(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0) == CB_ERR)
            throw DriverError("the drop-down list " + windowLabel(combo) + " has no item " + std::to_string(item));
        PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    });
}

}  // namespace zelvio::e2e
