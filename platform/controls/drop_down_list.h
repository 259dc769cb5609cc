#pragma once
// A closed list of texts that drops down for a choice: the drive box and the
// filter box. One item at a time is chosen.

#include "platform/control.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zelvio {

class DropDownList : public Control {
public:
    using Control::Control;

    const std::vector<std::string>& items() const { return items_; }
    int itemIndex() const { return itemIndex_; }

    // Runs after a choice of the user has taken effect.
    std::function<void()> onChange;

    // What a user does, and the backend's report of it.
    void choose(std::size_t item);
    void itemChosen(int item);
    // The backend's report that the user came to the box (it took the focus
    // or dropped its list down): a choice may follow.
    void approached();

protected:
    bool takesFocus() const override { return true; }
    // Makes ready what choosing needs and the closed box did without.
    virtual void beforeChoice() {}
    void setItems(std::vector<std::string> items, int itemIndex);
    void setItemIndex(int itemIndex);
    // What choosing the item means; the item index is already set.
    virtual void chosen(std::size_t item) = 0;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

}  // namespace zelvio
