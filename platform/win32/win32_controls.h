#pragma once
// The real window of one control: made to look like its kind, kept in step
// with the portable Control, and reporting what the user does to it.

#include "platform/control.h"
#include "platform/win32/win32_shape.h"

#include <windows.h>

namespace zelvio {

class FontCache;
class Win32Form;

class Win32Control : public ControlPeer {
public:
    Win32Control(Win32Form& owner, Control& control, int id);
    // Destroys nothing but its own brush: the form's window takes its children with it.
    ~Win32Control() override;
    Win32Control(const Win32Control&) = delete;
    Win32Control& operator=(const Win32Control&) = delete;

    // Makes the window as a child of the form, showing the control's current state.
    void create(FontCache& fonts);
    void update(ControlProperty property) override;

    Control& control() const { return control_; }
    const ControlDesign& design() const { return design_; }
    HWND window() const { return window_; }
    // Whether it belongs in front of the others (an input control) or behind
    // them (a label, frame, line or shape) when they overlap.
    bool inFront() const;

    // From the form's window procedure.
    void notified(WORD code);                // WM_COMMAND notification
    HBRUSH paintColours(HDC dc) const;       // WM_CTLCOLORSTATIC / WM_CTLCOLOREDIT; null: the default
    void draw(const DRAWITEMSTRUCT& item);   // WM_DRAWITEM

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    LRESULT handleSubclassed(UINT message, WPARAM wParam, LPARAM lParam);

    // Shown (enabled) itself and in every group box around it.
    bool shownWithGroups() const;
    bool enabledWithGroups() const;
    POINT groupOffset() const;

    void applyText();
    void applyLines();
    void applyBounds();
    void setTextQuietly(const std::string& text);
    Size measuredText() const;
    // Hands the edit's contents to the portable control.
    void reportContents();
    void updateMembers(ControlProperty property);

    Win32Form& owner_;
    Control& control_;
    const ControlDesign design_;  // kept here: the window outlives the portable control at the end
    const int id_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HBRUSH backBrush_ = nullptr;
    ShapeLook shapeLook_;
    bool applying_ = false;  // the change under way comes from the portable side
};

}  // namespace zelvio
