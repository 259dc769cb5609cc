#pragma once
// A single-line text field.

#include "platform/control.h"

#include <string>

namespace zelvio {

class Edit : public Control {
public:
    using Control::Control;

    bool readOnly() const { return (design().flags & flags::ReadOnly) != 0; }

    // What a user does: typing replaces an editable field's text, taking the focus first.
    void type(std::string text);
    void keyTyped(char key) override;

    // Selects the whole text, so that what the user types next replaces it.
    void selectAll();
    bool allSelected() const { return allSelected_; }

    // The backend's side: the user changed the text.
    void textEdited(std::string text);

protected:
    bool takesFocus() const override { return true; }

private:
    bool allSelected_ = false;
};

}  // namespace zelvio
