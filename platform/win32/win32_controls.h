#pragma once
// The real window of one control, the part every kind shares: made as a
// child of its form, kept in step with the portable Control (text, enabled,
// shown, bounds, focus, all of these within its group boxes), reporting the
// focus, with its design name and font. Each kind's look and behaviour lives
// in a class of its own file (win32_button, win32_edit, win32_list_box, ...).

#include "platform/control.h"
#include "platform/win32/win32_accessible.h"
#include "platform/win32/win32_fonts.h"

#include <windows.h>

#include <memory>

namespace zelvio {

class FontCache;
class Win32Form;

class Win32Control : public ControlPeer, public AccessibleSource {
public:
    Win32Control(Win32Form& owner, Control& control, int id);
    // Destroys nothing: the form's window takes its children with it.
    ~Win32Control() override;
    Win32Control(const Win32Control&) = delete;
    Win32Control& operator=(const Win32Control&) = delete;

    // Makes the window as a child of the form, showing the control's current state.
    void create(FontCache& fonts);
    void update(ControlProperty property) override;
    // The form's DPI changed: the font and the place again, at the new one.
    void rescale();

    Control& control() const { return control_; }
    const ControlDesign& design() const { return design_; }
    HWND window() const { return window_; }
    int id() const { return id_; }
    // Whether it frames or backs others (a group box, a bevel, a shape) and
    // so lies behind every other control.
    bool isBackdrop() const;
    // Where the control's bounds are on the form, in the screen's pixels.
    Rect designedPlace() const;

    // From the form's window procedure.
    virtual void notified(WORD) {}                              // WM_COMMAND notification
    virtual HBRUSH paintColours(HDC) const { return nullptr; }  // WM_CTLCOLOR*; null: the default
    virtual bool draw(const DRAWITEMSTRUCT&) { return false; }  // WM_DRAWITEM
    virtual bool measure(MEASUREITEMSTRUCT&) { return false; }  // WM_MEASUREITEM
    virtual void formResized() {}                               // the form's client area changed
    // Enter pressed while it has the focus; true when the control used the key.
    bool pressEnter();
    // Whether the window's messages pass through subclassed() (and its mouse
    // through the form's hints).
    virtual bool listens() const { return true; }

    // What a screen reader hears beyond the system's own object: the
    // design's name for a control without a caption or label, a picture
    // button's hint. The kinds add their roles, values and items.
    bool addsToSystem() const override { return !accessibleName().empty(); }
    std::string accessibleName() const override;
    std::string accessibleItemName(std::size_t) const override { return {}; }
    AccessibleRole accessibleRole() const override { return AccessibleRole::System; }
    std::optional<std::string> accessibleValue() const override { return std::nullopt; }

protected:
    struct WindowKind {
        const wchar_t* className;
        DWORD style;
        DWORD exStyle = 0;
    };
    virtual WindowKind windowKind() const = 0;
    // After the window exists (made at its place, with its font and state).
    virtual void created() {}
    // After the font and the place changed with the form's DPI.
    virtual void rescaled() {}
    // The kind's own properties; Text, Enabled, Visible, Bounds and Focus are done.
    virtual void updateOwn(ControlProperty) {}
    // Where the window goes for the control's bounds (already moved into its
    // frames), and what follows once it is there.
    virtual Rect placed(Rect bounds) const { return bounds; }
    virtual void moved(const Rect&) {}
    // Shows the control's text.
    virtual void applyText();
    // What the window's creation passes to its window procedure.
    virtual void* creationParameter() { return nullptr; }
    // The width the text has in a box of fixed size; 0 when the box follows the text.
    virtual int textRoom() const { return 0; }
    // The text that must fit that room.
    virtual std::string fittedText() const { return control_.text(); }
    // The design's font, or a smaller size of its face when the text would not fit its room.
    void fitFont();
    // Messages of a kind that listens to its window; call the default for the rest.
    virtual LRESULT subclassed(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT callDefault(UINT message, WPARAM wParam, LPARAM lParam);

    Win32Form& owner() const { return owner_; }
    HFONT font() const { return font_; }
    // Whether the portable side is still there to hear of what happens.
    bool live() const;
    void setWindowTextQuietly(const std::string& text);
    std::string windowText() const;
    // The control's text as the form's font measures it.
    Size measuredText() const;
    // Where the window goes on the form for the control's bounds.
    Rect screenBounds() const;
    void applyBounds();
    bool applying() const { return applying_; }

    // Runs what the portable side does about a user action, so that nothing
    // thrown crosses back into the system.
    template <class Action>
    void report(Action action) {
        if (live()) action();
    }

private:
    static LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool shownWithGroups() const;
    bool enabledWithGroups() const;
    POINT groupOffset() const;
    void updateMembers(ControlProperty property);
    int measuredWidth(HFONT font, const std::wstring& text) const;

    Win32Form& owner_;
    Control& control_;
    const ControlDesign design_;  // kept here: the window outlives the portable control at the end
    const int id_;
    HWND window_ = nullptr;
    WNDPROC systemProc_ = nullptr;  // the control class's own procedure, when listening
    HFONT font_ = nullptr;
    FontCache* fonts_ = nullptr;
    FontKey fontKey_;        // the design's, its height in design pixels
    bool applying_ = false;  // the change under way comes from the portable side
};

// Registers a window class of the program's own the first time it is asked
// for (with the arrow cursor, repainted whole on resizing); returns its name.
const wchar_t* ownWindowClass(const wchar_t* name, WNDPROC procedure);

// The peer of the control's kind.
std::unique_ptr<Win32Control> makeWin32Control(Win32Form& owner, Control& control, int id);

}  // namespace zelvio
