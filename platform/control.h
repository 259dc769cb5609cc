#pragma once
// One control of a form, by its design name. The portable state lives here;
// the backend's peer mirrors it on screen and reports what the user does.

#include "platform/layout.h"
#include "platform/toolkit.h"

#include <functional>
#include <string>
#include <vector>

namespace zelvio {

class Form;

class Control {
public:
    Control(Form& form, ControlDesign design);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    const ControlDesign& design() const { return design_; }
    const std::string& name() const { return design_.name; }
    ControlKind kind() const { return design_.kind; }
    const std::string& hint() const { return design_.hint; }
    bool readOnly() const { return (design_.flags & flags::ReadOnly) != 0; }

    // A button's, label's, frame's or menu item's caption; an edit's contents.
    const std::string& text() const { return text_; }
    void setText(std::string text);

    // A memo's contents.
    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines);
    void addLine(std::string line);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    Rect bounds() const { return bounds_; }
    void setBounds(Rect bounds);

    // Whether the control, enabled and shown inside a shown parent, takes the focus.
    bool canFocus() const;
    bool focused() const;
    void setFocus();

    std::function<void()> onClick;
    std::function<void()> onExit;  // the focus left the control

    // What a user does: a press takes the focus (as a mouse press on a button
    // does) and then clicks; typing replaces an editable field's text.
    void click();
    void type(std::string text);

    // The backend's side.
    void attach(ControlPeer* peer) { peer_ = peer; }
    ControlPeer* peer() const { return peer_; }
    void clicked();                      // the real control was clicked
    void textEdited(std::string text);   // the user changed an edit's text
    void linesEdited(std::vector<std::string> lines);

private:
    void notify(ControlProperty property);
    Control* parentControl() const;

    Form& form_;
    ControlDesign design_;
    std::string text_;
    std::vector<std::string> lines_;
    bool enabled_;
    bool visible_;
    bool checked_;
    Rect bounds_;
    ControlPeer* peer_ = nullptr;
};

}  // namespace zelvio
