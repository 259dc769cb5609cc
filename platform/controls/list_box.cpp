#include "platform/controls/list_box.h"

#include "platform/controls/popup_menu.h"
#include "platform/form.h"

#include <algorithm>

namespace zelvio {

ListBox::ListBox(Form& form, ControlDesign design) : Control(form, std::move(design)) {}

void ListBox::setItems(std::vector<std::string> items) { setItems(std::move(items), {}); }

void ListBox::setItems(std::vector<std::string> items, std::vector<std::vector<std::size_t>> columnStarts) {
    items_ = std::move(items);
    columnStarts_ = std::move(columnStarts);
    selected_.assign(items_.size(), false);
    itemIndex_ = -1;
    notify(ControlProperty::Items);
}

void ListBox::reviseItems(std::vector<Revision> revisions) {
    if (columnStarts_.size() < items_.size()) columnStarts_.resize(items_.size());
    revisedItems_.clear();
    for (Revision& revision : revisions) {
        if (revision.index >= items_.size()) continue;
        items_[revision.index] = std::move(revision.text);
        columnStarts_[revision.index] = std::move(revision.columnStarts);
        revisedItems_.push_back(revision.index);
    }
    if (!revisedItems_.empty()) notify(ControlProperty::ItemTexts);
}

void ListBox::setColumns(std::vector<int> lefts) {
    columnLefts_ = std::move(lefts);
    notify(ControlProperty::Columns);
}

ItemLook ListBox::itemLook(std::size_t item) const {
    ItemLook look;
    if (item < columnStarts_.size()) look.columnStarts = columnStarts_[item];
    return look;
}

std::string ListBox::spokenItem(std::size_t item) const {
    if (item >= items_.size()) return {};
    const std::string& text = items_[item];
    const std::vector<std::size_t> starts = itemLook(item).columnStarts;
    if (starts.empty()) return text;
    std::string spoken;
    for (std::size_t column = 0; column <= starts.size(); ++column) {
        const std::size_t begin = std::min(column == 0 ? 0 : starts[column - 1], text.size());
        const std::size_t end =
            std::max(begin, std::min(column < starts.size() ? starts[column] : text.size(), text.size()));
        std::string piece = text.substr(begin, end - begin);
        piece.erase(0, std::min(piece.find_first_not_of(' '), piece.size()));
        piece.erase(piece.find_last_not_of(' ') + 1);
        if (piece.empty()) continue;
        if (!spoken.empty()) spoken += ", ";
        spoken += piece;
    }
    return spoken;
}

void ListBox::setSelected(std::size_t index, bool selected) {
    if (index >= items_.size()) return;
    if (!multiSelect() && selected) std::fill(selected_.begin(), selected_.end(), false);
    selected_[index] = selected;
    notify(ControlProperty::Selection);
}

std::vector<std::size_t> ListBox::selection() const {
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < selected_.size(); ++i) {
        if (selected_[i]) chosen.push_back(i);
    }
    return chosen;
}

std::size_t ListBox::selectedCount() const {
    return static_cast<std::size_t>(std::count(selected_.begin(), selected_.end(), true));
}

void ListBox::setItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    itemIndex_ = index;
    if (!multiSelect()) {
        std::fill(selected_.begin(), selected_.end(), false);
        if (index >= 0) selected_[static_cast<std::size_t>(index)] = true;
    }
    notify(ControlProperty::Selection);
}

void ListBox::select(const std::vector<std::size_t>& items, int itemIndex) {
    std::fill(selected_.begin(), selected_.end(), false);
    for (std::size_t item : items) {
        if (item < selected_.size()) selected_[item] = true;
        if (!multiSelect()) break;
    }
    itemIndex_ = itemIndex >= 0 && itemIndex < static_cast<int>(items_.size()) ? itemIndex : -1;
}

void ListBox::choose(const std::vector<std::size_t>& items) {
    if (!canFocus()) return;
    setFocus();
    select(items, items.empty() ? -1 : static_cast<int>(items.back()));
    notify(ControlProperty::Selection);
    clicked();
}

void ListBox::doubleClick(std::size_t item) {
    if (!canFocus() || item >= items_.size()) return;
    setFocus();
    select({item}, static_cast<int>(item));
    notify(ControlProperty::Selection);
    doubleClicked(item);
}

void ListBox::rightClick(Point screen) {
    if (!canFocus()) return;
    setFocus();
    rightClicked(screen);
}

bool ListBox::enterPressed() {
    if (form().design().keyPreview) return false;
    if (itemIndex_ >= 0) doubleClicked(static_cast<std::size_t>(itemIndex_));
    return true;
}

void ListBox::selectionEdited(const std::vector<std::size_t>& items, int itemIndex) {
    select(items, itemIndex);
    clicked();
}

void ListBox::doubleClicked(std::size_t item) {
    if (!usable() || item >= items_.size()) return;
    dispatch([this, item] {
        activate(item);
        if (onDoubleClick) onDoubleClick(item);
    });
}

void ListBox::rightClicked(Point screen) {
    if (!usable() || design().popup.empty()) return;
    auto* menu = dynamic_cast<PopupMenu*>(form().find(design().popup));
    if (menu != nullptr) dispatch([menu, screen] { menu->popup(screen); });
}

}  // namespace zelvio
