#include "platform/controls/edit.h"

namespace zelvio {

void Edit::type(std::string text) {
    if (readOnly() || !canFocus()) return;
    setFocus();
    allSelected_ = false;
    setText(std::move(text));
}

void Edit::selectAll() {
    allSelected_ = true;
    notify(ControlProperty::TextSelection);
}

void Edit::keyTyped(char key) {
    if (readOnly()) return;
    // A selected text goes with the first key, as in any text field.
    std::string edited = allSelected_ ? std::string() : text();
    if (key == '\b') {
        if (!allSelected_) {
            if (edited.empty()) return;
            edited.pop_back();
        }
    } else if (static_cast<unsigned char>(key) >= ' ') {
        edited += key;
    } else {
        return;
    }
    allSelected_ = false;
    setText(std::move(edited));
}

void Edit::textEdited(std::string text) {
    allSelected_ = false;
    Control::setTextQuietly(std::move(text));
}

}  // namespace zelvio
