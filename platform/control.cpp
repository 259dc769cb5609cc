#include "platform/control.h"

#include "platform/application.h"
#include "platform/form.h"

namespace zelvio {

Control::Control(Form& form, ControlDesign design)
    : form_(form),
      design_(std::move(design)),
      text_(design_.caption),
      enabled_((design_.flags & flags::Disabled) == 0),
      visible_((design_.flags & flags::Hidden) == 0),
      checked_((design_.flags & flags::Checked) != 0),
      bounds_(design_.bounds) {}

void Control::notify(ControlProperty property) {
    if (peer_ != nullptr) peer_->update(property);
}

void Control::setText(std::string text) {
    text_ = std::move(text);
    notify(ControlProperty::Text);
}

void Control::setLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    notify(ControlProperty::Lines);
}

void Control::addLine(std::string line) {
    lines_.push_back(std::move(line));
    notify(ControlProperty::Lines);
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    notify(ControlProperty::Enabled);
}

void Control::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    notify(ControlProperty::Visible);
}

void Control::setChecked(bool checked) {
    checked_ = checked;
    notify(ControlProperty::Checked);
}

void Control::setBounds(Rect bounds) {
    bounds_ = bounds;
    notify(ControlProperty::Bounds);
}

Control* Control::parentControl() const {
    return design_.parent.empty() ? nullptr : form_.find(design_.parent);
}

bool Control::canFocus() const {
    switch (design_.kind) {
        case ControlKind::Button:
        case ControlKind::GlyphButton:
        case ControlKind::Edit:
        case ControlKind::Memo:
            break;
        default:
            return false;
    }
    for (const Control* c = this; c != nullptr; c = c->parentControl()) {
        if (!c->enabled_ || !c->visible_) return false;
    }
    return true;
}

bool Control::focused() const { return form_.focusedControl() == this; }

void Control::setFocus() {
    if (canFocus()) form_.moveFocus(this, false);
}

void Control::click() {
    if (design_.kind == ControlKind::Button || design_.kind == ControlKind::GlyphButton) setFocus();
    clicked();
}

void Control::clicked() {
    for (const Control* c = this; c != nullptr; c = c->parentControl()) {
        if (!c->enabled_ || !c->visible_) return;
    }
    if (onClick) form_.app().dispatch(onClick);
}

void Control::type(std::string text) {
    if (readOnly() || !canFocus()) return;
    setFocus();
    setText(std::move(text));
}

void Control::textEdited(std::string text) { text_ = std::move(text); }

void Control::linesEdited(std::vector<std::string> lines) { lines_ = std::move(lines); }

}  // namespace zelvio
