#pragma once
// The real top-level window of one form: its frame, menu bar, controls and
// tooltips, kept in step with the portable Form, reporting what happens to it.

#include "platform/form.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace zelvio {

class Win32Control;
class Win32MenuBar;
class Win32Toolkit;

class Win32Form : public FormPeer {
public:
    Win32Form(Win32Toolkit& toolkit, Form& form);
    // Destroys the window. Touches no portable object: at the end of the
    // program the forms are gone before the toolkit.
    ~Win32Form() override;
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    // Makes the hidden window and every control, attaching the controls' peers.
    void create();
    // Takes every peer back from the portable objects (when creating failed).
    void detach();
    // While live, what happens to the window reaches the portable form.
    void setLive(bool live) { live_ = live; }
    bool live() const { return live_; }

    void update(FormProperty property) override;
    Size frameExtra() const override;
    int dpi() const override { return dpi_; }
    void paintPending() override;
    // A control's bounds, given in design pixels, on the screen at the window's DPI.
    Rect onScreen(Rect design) const { return toScreen(design, dpi_); }
    int onScreen(int design) const { return toScreen(design, dpi_); }

    Form& form() const { return form_; }
    HWND window() const { return window_; }
    // The window that was active before this one was last shown.
    HWND activeBeforeShow() const { return activeBeforeShow_; }
    // Clicks the menu item with this shortcut (VK_F1, VK_F2); false when there is none.
    bool pressShortcut(WPARAM virtualKey);
    // The control whose window this is, or null.
    Win32Control* controlOf(HWND window) const;
    // Shows a control's hint for a mouse message it received.
    void relayToHints(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const;
    // The left edge of the first control to the right of `place` on its
    // row, labels and backdrops aside; none: the form's right edge.
    int edgeRightOf(const Win32Control& control, const Rect& place) const;
    // The controls placed in the named group box.
    std::vector<Win32Control*> membersOf(const std::string& group) const;
    // A control that had the focus was disabled or hidden: unless the focus
    // is on a usable control again, it goes to the next one in tab order.
    void keepFocusAfter(HWND control);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool command(WPARAM wParam, LPARAM lParam);
    Win32Control* controlWithId(UINT id) const;
    // Gives the input focus to the portable form's focused control, or to
    // the next one in tab order when it cannot take it; false when none can.
    bool focusPortableControl();
    // The control that takes the focus after `control` in tab order, or null.
    HWND nextTabStop(HWND control) const;
    void reportBounds();
    // Moved to a screen of another DPI: fonts, controls and frame at the new one.
    void changeDpi(int dpi, const RECT& suggested);
    void makeHints();
    void addTooltip(const Win32Control& control);

    Win32Toolkit& toolkit_;
    Form& form_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND activeBeforeShow_ = nullptr;
    std::vector<std::unique_ptr<Win32Control>> controls_;
    std::unique_ptr<Win32MenuBar> menuBar_;
    bool live_ = false;
    bool hintsMade_ = false;
    int dpi_ = designDpi;
};

}  // namespace zelvio
