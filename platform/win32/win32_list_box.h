#pragma once
// A list box: the plain list, the file list and the directory list. It
// shows the portable items and selection and reports the user's selection,
// double clicks, Enter and right clicks. Items with a look of their own
// (the directory list's indented folders) are drawn by the program.

#include "platform/win32/win32_controls.h"

#include <string>
#include <vector>

namespace zelvio {

class ListBox;

class Win32ListBox : public Win32Control {
public:
    using Win32Control::Win32Control;

    void notified(WORD code) override;
    bool draw(const DRAWITEMSTRUCT& item) override;
    bool measure(MEASUREITEMSTRUCT& item) override;

    // A list in columns reads each item as its columns' texts, not as the padded line.
    bool addsToSystem() const override { return Win32Control::addsToSystem() || design().has(flags::Columns); }
    std::string accessibleItemName(std::size_t item) const override;

protected:
    WindowKind windowKind() const override;
    void created() override;
    void rescaled() override;
    void updateOwn(ControlProperty property) override;
    void applyText() override {}
    LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ListBox& list() const;
    bool drawnItems() const { return design().kind == ControlKind::DirectoryList || design().has(flags::Columns); }
    void applyItems();
    void applyRevisedItems();
    void applySelection();
    void reportSelection();
    // Where a context menu asked for from the keyboard appears: under the current item.
    POINT keyboardMenuPoint() const;
    // Draws an item's text in the list's columns, from `row.left` on.
    void drawColumns(HDC dc, RECT row, const std::string& text, const std::vector<std::size_t>& starts) const;
};

}  // namespace zelvio
