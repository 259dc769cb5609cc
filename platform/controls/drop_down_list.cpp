#include "platform/controls/drop_down_list.h"

namespace zelvio {

void DropDownList::setItems(std::vector<std::string> items, int itemIndex) {
    items_ = std::move(items);
    itemIndex_ = itemIndex;
    notify(ControlProperty::Items);
}

void DropDownList::setItemIndex(int itemIndex) {
    itemIndex_ = itemIndex;
    notify(ControlProperty::Selection);
}

void DropDownList::choose(std::size_t item) {
    if (!canFocus() || item >= items_.size()) return;
    setFocus();
    approached();
    setItemIndex(static_cast<int>(item));
    itemChosen(static_cast<int>(item));
}

void DropDownList::approached() {
    if (usable()) dispatch([this] { beforeChoice(); });
}

void DropDownList::itemChosen(int item) {
    if (!usable() || item < 0 || item >= static_cast<int>(items_.size())) return;
    itemIndex_ = item;
    dispatch([this, item] {
        chosen(static_cast<std::size_t>(item));
        if (onChange) onChange();
    });
}

}  // namespace zelvio
