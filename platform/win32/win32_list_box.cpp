#include "platform/win32/win32_list_box.h"

#include "platform/controls/list_box.h"
#include "platform/win32/win32_fonts.h"
#include "platform/win32/win32_form_window.h"
#include "platform/win32/win32_glyph.h"
#include "platform/win32/win32_unicode.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

namespace zelvio {

namespace {

constexpr int indentStep = 10;  // pixels per level of a directory list
constexpr int glyphWidth = 18;

}  // namespace

ListBox& Win32ListBox::list() const { return static_cast<ListBox&>(control()); }

Win32Control::WindowKind Win32ListBox::windowKind() const {
    DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
    if (list().multiSelect()) style |= LBS_EXTENDEDSEL;
    if (drawnItems()) style |= LBS_OWNERDRAWFIXED;
    return {L"LISTBOX", style, WS_EX_CLIENTEDGE};
}

void Win32ListBox::created() { applyItems(); }

// The system measures the items of a list drawn by the program once, when it is made.
void Win32ListBox::rescaled() {
    if (!drawnItems()) return;
    MEASUREITEMSTRUCT item{};
    measure(item);
    SendMessageW(window(), LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(item.itemHeight));
    InvalidateRect(window(), nullptr, TRUE);
}

void Win32ListBox::updateOwn(ControlProperty property) {
    if (property == ControlProperty::Items) applyItems();
    if (property == ControlProperty::ItemTexts) applyRevisedItems();
    if (property == ControlProperty::Selection) applySelection();
    if (property == ControlProperty::Columns) InvalidateRect(window(), nullptr, TRUE);
}

void Win32ListBox::applyItems() {
    HWND box = window();
    const auto& items = list().items();
    // No painting until the last line is in: thousands of songs arrive at once.
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SendMessageW(box, LB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (const auto& item : items) bytes += (item.size() + 1) * sizeof(wchar_t);
    SendMessageW(box, LB_INITSTORAGE, items.size(), static_cast<LPARAM>(bytes));
    for (const auto& item : items) SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
    applySelection();
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

// A list box cannot change an item's text: the item is taken out and put
// back, and what that moves (selection, caret, first row shown) is put back.
// Not painted meanwhile: each change would draw the scroll bar again.
void Win32ListBox::applyRevisedItems() {
    HWND box = window();
    const ListBox& portable = list();
    const LRESULT top = SendMessageW(box, LB_GETTOPINDEX, 0, 0);
    const LRESULT caret = SendMessageW(box, LB_GETCARETINDEX, 0, 0);
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    for (std::size_t index : portable.revisedItems()) {
        const auto row = static_cast<WPARAM>(index);
        SendMessageW(box, LB_DELETESTRING, row, 0);
        SendMessageW(box, LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(wide(portable.items()[index]).c_str()));
        if (portable.selected(index) && portable.multiSelect()) {
            SendMessageW(box, LB_SETSEL, TRUE, static_cast<LPARAM>(index));
        } else if (portable.selected(index)) {
            SendMessageW(box, LB_SETCURSEL, row, 0);
        }
    }
    if (caret >= 0 && SendMessageW(box, LB_GETCARETINDEX, 0, 0) != caret) {
        SendMessageW(box, LB_SETCARETINDEX, static_cast<WPARAM>(caret), FALSE);
    }
    if (SendMessageW(box, LB_GETTOPINDEX, 0, 0) != top) SendMessageW(box, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    // A screen reader reads the current item again; the others when they become it.
    const auto& revised = portable.revisedItems();
    if (caret >= 0 && std::find(revised.begin(), revised.end(), static_cast<std::size_t>(caret)) != revised.end()) {
        announceChange(box, EVENT_OBJECT_NAMECHANGE, static_cast<LONG>(caret) + 1);
    }
}

void Win32ListBox::applySelection() {
    HWND box = window();
    const ListBox& portable = list();
    const int current = portable.itemIndex();
    if (!portable.multiSelect()) {
        SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
        return;
    }
    SendMessageW(box, LB_SETSEL, FALSE, -1);
    for (std::size_t index : portable.selection()) SendMessageW(box, LB_SETSEL, TRUE, static_cast<LPARAM>(index));
    if (current >= 0) SendMessageW(box, LB_SETCARETINDEX, static_cast<WPARAM>(current), FALSE);
}

void Win32ListBox::reportSelection() {
    HWND box = window();
    std::vector<std::size_t> chosen;
    int current = -1;
    if (list().multiSelect()) {
        const LRESULT count = SendMessageW(box, LB_GETSELCOUNT, 0, 0);
        std::vector<int> indices(count > 0 ? static_cast<std::size_t>(count) : 0);
        if (!indices.empty()) {
            SendMessageW(box, LB_GETSELITEMS, indices.size(), reinterpret_cast<LPARAM>(indices.data()));
        }
        for (int index : indices) chosen.push_back(static_cast<std::size_t>(index));
        current = static_cast<int>(SendMessageW(box, LB_GETCARETINDEX, 0, 0));
    } else {
        current = static_cast<int>(SendMessageW(box, LB_GETCURSEL, 0, 0));
        if (current >= 0) chosen.push_back(static_cast<std::size_t>(current));
    }
    report([&] { list().selectionEdited(chosen, current); });
}

void Win32ListBox::notified(WORD code) {
    if (code == LBN_SELCHANGE) {
        reportSelection();
    } else if (code == LBN_DBLCLK) {
        const auto item = SendMessageW(window(), LB_GETCARETINDEX, 0, 0);
        if (item >= 0) report([&] { list().doubleClicked(static_cast<std::size_t>(item)); });
    }
}

POINT Win32ListBox::keyboardMenuPoint() const {
    RECT item{};
    const auto current = SendMessageW(window(), LB_GETCARETINDEX, 0, 0);
    if (current < 0 || SendMessageW(window(), LB_GETITEMRECT, static_cast<WPARAM>(current),
                                    reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
        GetClientRect(window(), &item);
        item.bottom = item.top;
    }
    POINT point{item.left + 8, item.bottom};
    ClientToScreen(window(), &point);
    return point;
}

std::string Win32ListBox::accessibleItemName(std::size_t item) const {
    if (!design().has(flags::Columns) || !live()) return {};
    return list().spokenItem(item);
}

LRESULT Win32ListBox::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    // The menu key asks for the context menu, as Shift+F10 does: the list
    // takes both of its strokes, so the menu comes once.
    if ((message == WM_KEYDOWN || message == WM_KEYUP) && wParam == VK_APPS) {
        if (message == WM_KEYDOWN) SendMessageW(window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window()), -1);
        return 0;
    }
    if (message == WM_CONTEXTMENU) {
        // From the mouse at its point; from the keyboard (Shift+F10, the menu key) as -1, -1.
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (point.x == -1 && point.y == -1) point = keyboardMenuPoint();
        report([&] { list().rightClicked({point.x, point.y}); });
        return 0;
    }
    return Win32Control::subclassed(message, wParam, lParam);
}

bool Win32ListBox::measure(MEASUREITEMSTRUCT& item) {
    item.itemHeight = static_cast<UINT>(std::max(lineHeight(font()) + 2, owner().onScreen(16)));
    return true;
}

bool Win32ListBox::draw(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return true;  // an empty list with the focus
    const ListBox& portable = list();
    if (item.itemID >= portable.count()) return true;
    const bool chosen = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(chosen ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    const ItemLook look = portable.itemLook(item.itemID);
    int x = item.rcItem.left + 2 + owner().onScreen(look.indent * indentStep);
    if (look.glyph != ItemGlyph::None) {
        drawFolder(dc, x, (item.rcItem.top + item.rcItem.bottom - owner().onScreen(13)) / 2,
                   look.glyph == ItemGlyph::OpenFolder, IsWindowEnabled(window()) != FALSE, owner().dpi(),
                   chosen ? Ground::Selection : Ground::Window);
        x += owner().onScreen(glyphWidth);
    }
    RECT text = item.rcItem;
    text.left = x;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(chosen ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    HGDIOBJ old = SelectObject(dc, font());
    const std::string& caption = portable.items()[item.itemID];
    if (!look.columnStarts.empty() && portable.columnLefts().size() > look.columnStarts.size()) {
        drawColumns(dc, text, caption, look.columnStarts);
    } else {
        DrawTextW(dc, wide(caption).c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    SelectObject(dc, old);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
    return true;
}

void Win32ListBox::drawColumns(HDC dc, RECT row, const std::string& text, const std::vector<std::size_t>& starts) const {
    // The columns are given from the list's outer edge; the items lie inside its border.
    RECT outer{};
    GetWindowRect(window(), &outer);
    POINT client{0, 0};
    ClientToScreen(window(), &client);
    const int border = client.x - outer.left;
    SIZE space{};
    GetTextExtentPoint32W(dc, L" ", 1, &space);

    int reached = static_cast<int>(row.left);  // where the text drawn so far ends
    for (std::size_t column = 0; column <= starts.size(); ++column) {
        const std::size_t begin = std::min(column == 0 ? 0 : starts[column - 1], text.size());
        const std::size_t end = std::max(begin, std::min(column < starts.size() ? starts[column] : text.size(), text.size()));
        std::wstring piece = wide(text.substr(begin, end - begin));
        piece.erase(piece.find_last_not_of(L' ') + 1);  // the padding the columns stand in for
        const int columnLeft = static_cast<int>(row.left) + owner().onScreen(list().columnLefts()[column]) - border;
        const int after = column == 0 ? static_cast<int>(row.left) : reached + static_cast<int>(space.cx);
        RECT area = row;
        area.left = std::max(columnLeft, after);
        const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
        DrawTextW(dc, piece.c_str(), -1, &area, format | (column == starts.size() ? DT_END_ELLIPSIS : 0));
        RECT measured = area;
        DrawTextW(dc, piece.c_str(), -1, &measured, format | DT_CALCRECT);
        reached = static_cast<int>(measured.right);
    }
}

}  // namespace zelvio
