#pragma once
// A list of texts with a selection: one item at most, or any set of items
// when the design asks for MultiSelect. The item index is the item with the
// focus rectangle (the last one clicked), -1 when there is none.

#include "platform/control.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zelvio {

// How a list draws an item beyond its text.
enum class ItemGlyph { None, OpenFolder, ClosedFolder };
struct ItemLook {
    int indent = 0;  // levels of indentation
    ItemGlyph glyph = ItemGlyph::None;
    // In a list with columns: where in the text (bytes) the second and later
    // columns begin; none draws the text whole.
    std::vector<std::size_t> columnStarts;
};

class ListBox : public Control {
public:
    ListBox(Form& form, ControlDesign design);

    bool multiSelect() const { return (design().flags & flags::MultiSelect) != 0; }

    const std::vector<std::string>& items() const { return items_; }
    std::size_t count() const { return items_.size(); }
    // Replaces every item; nothing is selected afterwards.
    void setItems(std::vector<std::string> items);
    // The same, each item with the places its columns begin (see ItemLook).
    void setItems(std::vector<std::string> items, std::vector<std::vector<std::size_t>> columnStarts);
    // Where the columns of a list designed with flags::Columns begin, in
    // pixels from the list's left edge; each column's text is drawn from
    // there, or after the one before it when that reaches further.
    void setColumns(std::vector<int> lefts);
    const std::vector<int>& columnLefts() const { return columnLefts_; }
    void clear() { setItems({}); }
    struct Revision {
        std::size_t index;
        std::string text;
        std::vector<std::size_t> columnStarts;
    };
    // Replaces these items' texts and columns, keeping the selection.
    void reviseItems(std::vector<Revision> revisions);
    // The items reviseItems changed last.
    const std::vector<std::size_t>& revisedItems() const { return revisedItems_; }

    bool selected(std::size_t index) const { return index < selected_.size() && selected_[index]; }
    // A single-selection list selects only one item: choosing one drops the other.
    void setSelected(std::size_t index, bool selected);
    // The selected items in list order.
    std::vector<std::size_t> selection() const;
    std::size_t selectedCount() const;
    int itemIndex() const { return itemIndex_; }
    // Makes the item the current one; in a single-selection list also the selected one.
    void setItemIndex(int index);

    virtual ItemLook itemLook(std::size_t item) const;
    // What a screen reader reads for an item: in columns, each column's text
    // without the spaces that pad it, the empty ones left out, joined by
    // ", " ("Title, Artist, 3:15"); else the text as it is.
    std::string spokenItem(std::size_t item) const;

    // onClick: the user changed the selection.
    std::function<void(std::size_t item)> onDoubleClick;

    // What a user does: selects exactly these items (clicks, with Ctrl for
    // more), double-clicks an item, right-clicks at a point of the screen
    // (the design's pop-up menu appears there).
    void choose(const std::vector<std::size_t>& items);
    void doubleClick(std::size_t item);
    void rightClick(Point screen);
    // Enter acts as a double click on the current item, unless the form
    // previews keys: its data-entry dialogs move on with Enter instead.
    bool enterPressed() override;

    // The backend's side.
    void selectionEdited(const std::vector<std::size_t>& items, int itemIndex);
    void doubleClicked(std::size_t item);
    void rightClicked(Point screen);

protected:
    bool takesFocus() const override { return true; }
    // What a double click on an item does before onDoubleClick runs.
    virtual void activate(std::size_t) {}

private:
    void select(const std::vector<std::size_t>& items, int itemIndex);

    std::vector<std::string> items_;
    std::vector<std::vector<std::size_t>> columnStarts_;  // by item, or empty
    std::vector<int> columnLefts_;
    std::vector<bool> selected_;
    int itemIndex_ = -1;
    std::vector<std::size_t> revisedItems_;
};

}  // namespace zelvio
