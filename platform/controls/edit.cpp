#include "platform/controls/edit.h"

namespace zelvio {

void Edit::type(std::string text) {
    if (readOnly() || !canFocus()) return;
    setFocus();
    setText(std::move(text));
}

void Edit::keyTyped(char key) {
    if (readOnly()) return;
    std::string edited = text();
    if (key == '\b') {
        if (edited.empty()) return;
        edited.pop_back();
    } else if (static_cast<unsigned char>(key) >= ' ') {
        edited += key;
    } else {
        return;
    }
    setText(std::move(edited));
}

void Edit::textEdited(std::string text) { Control::setTextQuietly(std::move(text)); }

}  // namespace zelvio
