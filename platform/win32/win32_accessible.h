#pragma once
// What a screen reader is told of a control (Microsoft Active Accessibility).
// The system's own object for a control's window answers, except where the
// program knows better: a name where no caption or label gives one, a role
// and value for what the system takes for a plain window, and the spoken
// form of a list's items. oleacc, ole32 and oleaut32 are loaded when a
// screen reader first asks.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace zelvio {

enum class AccessibleRole { System, StaticText, ProgressBar };

// What one control says beyond the system's object; an empty text (or none)
// leaves that answer to the system.
class AccessibleSource {
public:
    // Whether it says anything at all: only then does the window answer for itself.
    virtual bool addsToSystem() const = 0;
    virtual std::string accessibleName() const = 0;
    virtual std::string accessibleItemName(std::size_t item) const = 0;  // items count from 0
    virtual AccessibleRole accessibleRole() const = 0;
    virtual std::optional<std::string> accessibleValue() const = 0;

protected:
    ~AccessibleSource() = default;
};

// Where a window's answers come from; null when the source goes. An object
// a screen reader still holds then answers as the system's own.
void setAccessibleSource(HWND window, AccessibleSource* source);

// WM_GETOBJECT for the window: for its client area, when its source says
// anything, an object that wraps the system's own; 0 otherwise, for the
// default handling to answer.
LRESULT answerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam);

// Tells screen readers that something the window's client area says changed
// (EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE), of it or of one item.
void announceChange(HWND window, DWORD event, LONG child = CHILDID_SELF);

}  // namespace zelvio
