#pragma once
// A window of the program: its controls by design name, its events, and the
// portable half of showing, closing, focus and keys.

#include "platform/control.h"
#include "platform/layout.h"
#include "platform/toolkit.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zelvio {

class Application;

class Form {
public:
    Form(Application& app, FormDesign design, std::vector<ControlDesign> controls);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& app() const { return app_; }
    const FormDesign& design() const { return design_; }
    const std::string& name() const { return design_.name; }

    // The control with this design name; a missing name is a programming error.
    Control& operator[](std::string_view name) const;
    Control* find(std::string_view name) const;
    // The control with this design name as its kind's class, for the typed
    // members a form binds once; a missing name or another kind is a
    // programming error, found when the form is built.
    template <class Kind>
    Kind& control(std::string_view name) const {
        auto* found = dynamic_cast<Kind*>(&(*this)[name]);
        if (found == nullptr) throw std::logic_error(design_.name + "." + std::string(name) + " is of another kind");
        return *found;
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    // Outer bounds, frame and caption included, in screen pixels as the
    // window system reports them: what the settings save and restore.
    Rect bounds() const { return bounds_; }
    void setBounds(Rect bounds);
    // The client area in design pixels, what the layout is given in.
    Size clientSize() const;
    // Sizes the frame around a client area given in design pixels.
    void setClientSize(Size client);
    // The outer size in design pixels, for rules that measure the whole window.
    Size designSize() const;
    // Lets the window paint what waits to be painted before a long step.
    void paintPending();

    bool visible() const { return visible_; }
    bool modal() const { return modal_; }
    // Runs onShow (when hidden), then shows the window and brings it to the
    // front; a form whose window waits for its first show gets it first.
    void show();
    // Asks onCloseQuery, then runs onClose; a refusal or an error keeps the
    // window open. Then hides the window, which ends a modal showing; closing
    // the main window ends the program.
    void close();

    Control* focusedControl() const { return focused_; }
    // Moves the focus to the next control in tab order, as Tab does.
    void focusNext();
    // For a data-entry dialog's key preview: Enter is swallowed and moves the
    // focus on as Tab does.
    void enterMovesOn(char& key);

    std::function<void()> onCreate;
    std::function<void()> onShow;
    std::function<void()> onActivate;
    std::function<void()> onResize;
    // Asked before the window closes; false keeps it open.
    std::function<bool()> onCloseQuery;
    std::function<void()> onClose;
    std::function<void(char& key)> onKeyPress;  // with key preview: set key to 0 to swallow it

    // What a user does.
    void pressKey(char key);  // key preview, then Tab or the key to the focused control
    // The close box or the system (Alt+F4) asks the window to close. A window
    // without title-bar buttons refuses: its own buttons are its only ways out.
    void requestClose();

    // The backend's side.
    void attach(FormPeer* peer);
    FormPeer* peer() const { return peer_; }
    // The window stands at its size: its controls are laid out for it
    // (onResize), before the backend makes their windows.
    void layOut();
    void activated();
    void boundsReported(Rect outer);
    // The window moved to a screen of another DPI (its peer's dpi() already
    // tells the new one): the frame goes around the same design client area.
    void dpiChanged(Size designClient, Point screenTopLeft);
    void focusReported(Control* control);
    // Runs the key preview on a key bound for a control; false when it was swallowed.
    bool previewKey(char& key);

private:
    friend class Application;
    friend class Control;
    void moveFocus(Control* control, bool toldByBackend);
    // The outer size, in screen pixels, of a client area in design pixels.
    Size outerSize(Size client) const;

    Application& app_;
    FormDesign design_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::string caption_;
    Rect bounds_;
    bool visible_ = false;
    bool modal_ = false;
    bool windowWhenShown_ = false;  // the window is still to be created, at the first show
    Control* focused_ = nullptr;
    FormPeer* peer_ = nullptr;
};

}  // namespace zelvio
