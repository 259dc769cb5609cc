#include "platform/win32/win32_edit.h"

#include "platform/controls/edit.h"
#include "platform/controls/memo.h"
#include "platform/win32/win32_form_window.h"
#include "platform/win32/win32_colour.h"
#include "platform/win32/win32_contrast.h"
#include "platform/win32/win32_lines.h"

namespace zelvio {

Win32Control::WindowKind Win32Edit::windowKind() const {
    DWORD style = WS_TABSTOP;
    if (design().has(flags::ReadOnly)) style |= ES_READONLY;
    if (!multiLine()) return {L"EDIT", style | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (design().has(flags::VScroll)) style |= WS_VSCROLL;
    if (design().has(flags::HScroll)) style |= WS_HSCROLL | ES_AUTOHSCROLL;  // else long lines wrap
    if (design().has(flags::Centred)) style |= ES_CENTER;
    return {L"EDIT", style, WS_EX_CLIENTEDGE};
}

void Win32Edit::created() {
    SendMessageW(window(), EM_SETLIMITTEXT, 0, 0);  // no length limit
    // A memo shows its first lines from the start; what comes later scrolls to the end.
    if (multiLine()) setWindowTextQuietly(joinLines(static_cast<Memo&>(control()).lines()));
}

void Win32Edit::updateOwn(ControlProperty property) {
    if (property == ControlProperty::Lines) applyLines();
    if (property == ControlProperty::TextSelection) SendMessageW(window(), EM_SETSEL, 0, -1);
}

void Win32Edit::applyText() {
    if (!multiLine()) Win32Control::applyText();  // a memo shows its lines
}

void Win32Edit::applyLines() {
    setWindowTextQuietly(joinLines(static_cast<Memo&>(control()).lines()));
    const LPARAM end = GetWindowTextLengthW(window());
    SendMessageW(window(), EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(window(), EM_SCROLLCARET, 0, 0);
}

void Win32Edit::notified(WORD code) {
    if (code == EN_CHANGE) reportContents();
}

void Win32Edit::reportContents() {
    if (applying()) return;
    report([this] {
        std::string text = windowText();
        if (multiLine()) {
            static_cast<Memo&>(control()).linesEdited(splitLines(text));
        } else {
            static_cast<Edit&>(control()).textEdited(std::move(text));
        }
    });
}

// Text fields keep the window colour, or the design's own, when read-only
// or disabled, as the program's designs show them; under high contrast, the
// window colours of the user's scheme.
HBRUSH Win32Edit::paintColours(HDC dc) const {
    const COLORREF text = design().textColour ? rgb(*design().textColour) : GetSysColor(COLOR_WINDOWTEXT);
    const bool ownBack = backBrush_.get() != nullptr;
    const COLORREF back = ownBack ? rgb(*design().backColour) : GetSysColor(COLOR_WINDOW);
    const bool enabled = IsWindowEnabled(window()) != FALSE;
    SetTextColor(dc, enabled ? colourOf(Role::Text, Ground::Window, text) : GetSysColor(COLOR_GRAYTEXT));
    SetBkColor(dc, colourOf(Role::Back, Ground::Window, back));
    return brushOf(Role::Back, Ground::Window, ownBack ? backBrush_.get() : GetSysColorBrush(COLOR_WINDOW));
}

LRESULT Win32Edit::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) {
        // Text set from outside (another program, a tool) is the user's.
        const LRESULT result = callDefault(message, wParam, lParam);
        reportContents();
        return result;
    }
    return Win32Control::subclassed(message, wParam, lParam);
}

}  // namespace zelvio
