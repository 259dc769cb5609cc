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

void Control::dispatch(const std::function<void()>& handler) {
    if (handler) form_.app().dispatch(handler);
}

void Control::setText(std::string text) {
    text_ = std::move(text);
    notify(ControlProperty::Text);
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
    if (bounds == bounds_) return;  // a window moved to where it is still costs a round trip
    bounds_ = bounds;
    notify(ControlProperty::Bounds);
}

Control* Control::parentControl() const { return design_.parent.empty() ? nullptr : form_.find(design_.parent); }

bool Control::usable() const {
    for (const Control* c = this; c != nullptr; c = c->parentControl()) {
        if (!c->enabled_ || !c->visible_) return false;
    }
    return true;
}

bool Control::canFocus() const { return takesFocus() && usable(); }

bool Control::focused() const { return form_.focusedControl() == this; }

void Control::setFocus() {
    if (canFocus()) form_.moveFocus(this, false);
}

void Control::click() {
    setFocus();
    clicked();
}

void Control::clicked() {
    if (usable()) dispatch(onClick);
}

void bind(std::initializer_list<Control*> triggers, const std::function<void()>& action) {
    for (Control* trigger : triggers) trigger->onClick = action;
}

}  // namespace zelvio
