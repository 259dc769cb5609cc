#pragma once
// One control of a form, by its design name: what every kind has (bounds,
// caption, enabled, shown, focus, click). Kinds with state of their own
// derive from it (platform/controls/). The portable state lives here; the
// backend's peer mirrors it on screen and reports what the user does.

#include "platform/layout.h"
#include "platform/toolkit.h"

#include <functional>
#include <initializer_list>
#include <string>

namespace zelvio {

class Form;

class Control {
public:
    Control(Form& form, ControlDesign design);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    const ControlDesign& design() const { return design_; }
    const std::string& name() const { return design_.name; }
    ControlKind kind() const { return design_.kind; }
    const std::string& hint() const { return design_.hint; }

    // A button's, label's, frame's or menu item's caption; an edit's contents.
    const std::string& text() const { return text_; }
    void setText(std::string text);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    // A check box's tick, a menu item's check mark.
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    Rect bounds() const { return bounds_; }
    void setBounds(Rect bounds);

    // Whether it is enabled and shown itself and in every frame around it.
    bool usable() const;
    // Whether the control, usable and of a kind that takes the focus, takes it.
    bool canFocus() const;
    bool focused() const;
    void setFocus();

    std::function<void()> onClick;
    std::function<void()> onExit;  // the focus left the control

    // What a user does: a click on a control that takes the focus moves the
    // focus there first (as a mouse press does), then clicks.
    virtual void click();
    // A key typed while the control has the focus (after the key preview).
    virtual void keyTyped(char) {}
    // Enter pressed while the control has the focus, before any key preview:
    // true when the control used it (a button presses).
    virtual bool enterPressed() { return false; }

    // Whether the kind takes the focus at all.
    virtual bool takesFocus() const { return false; }

    // The backend's side.
    void attach(ControlPeer* peer) { peer_ = peer; }
    ControlPeer* peer() const { return peer_; }
    void clicked();  // the real control was clicked

protected:
    void notify(ControlProperty property);
    // A text or tick the real control already shows, from the user.
    void setTextQuietly(std::string text) { text_ = std::move(text); }
    void setCheckedQuietly(bool checked) { checked_ = checked; }
    // Runs a handler through the application, so that what it throws reaches the exception handler.
    void dispatch(const std::function<void()>& handler);

private:
    Control* parentControl() const;

    Form& form_;
    ControlDesign design_;
    std::string text_;
    bool enabled_;
    bool visible_;
    bool checked_;
    Rect bounds_;
    ControlPeer* peer_ = nullptr;
};

// One action for several triggers: each button or menu item runs it when clicked.
void bind(std::initializer_list<Control*> triggers, const std::function<void()>& action);

}  // namespace zelvio
