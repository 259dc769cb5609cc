#include "platform/win32/win32_controls.h"

#include "platform/application.h"
#include "platform/form.h"
#include "platform/win32/win32_fonts.h"
#include "platform/win32/win32_form_window.h"
#include "platform/win32/win32_glyph.h"
#include "platform/win32/win32_lines.h"
#include "platform/win32/win32_names.h"
#include "platform/win32/win32_unicode.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

namespace zelvio {

namespace {

COLORREF rgb(Colour colour) { return RGB(colour.red, colour.green, colour.blue); }

bool has(const ControlDesign& design, unsigned flag) { return (design.flags & flag) != 0; }

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind windowKind(const ControlDesign& design) {
    const DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
    switch (design.kind) {
        case ControlKind::Button:
            return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::GlyphButton:
            return {L"BUTTON", child | WS_TABSTOP | BS_OWNERDRAW, 0};
        case ControlKind::Label: {
            DWORD style = child | (has(design, flags::Centred) ? SS_CENTER | SS_CENTERIMAGE : SS_LEFTNOWORDWRAP);
            if (!design.hint.empty()) style |= SS_NOTIFY;  // takes the mouse, so its tooltip shows
            return {L"STATIC", style, 0};
        }
        case ControlKind::Edit: {
            DWORD style = child | WS_TABSTOP | ES_AUTOHSCROLL;
            if (has(design, flags::ReadOnly)) style |= ES_READONLY;
            return {L"EDIT", style, WS_EX_CLIENTEDGE};
        }
        case ControlKind::Memo: {
            DWORD style = child | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
            if (has(design, flags::VScroll)) style |= WS_VSCROLL;
            if (has(design, flags::HScroll)) style |= WS_HSCROLL | ES_AUTOHSCROLL;  // else long lines wrap
            if (has(design, flags::ReadOnly)) style |= ES_READONLY;
            if (has(design, flags::Centred)) style |= ES_CENTER;
            return {L"EDIT", style, WS_EX_CLIENTEDGE};
        }
        case ControlKind::GroupBox:
            return {L"BUTTON", child | BS_GROUPBOX, 0};
        case ControlKind::Bevel:
            return {L"STATIC", child | (design.bevel == BevelKind::Frame ? SS_ETCHEDFRAME : SS_ETCHEDHORZ), 0};
        case ControlKind::Shape:
            return {shapeWindowClass(), child, 0};
        case ControlKind::Menu:
        case ControlKind::MenuItem:
            break;
    }
    throw std::logic_error(design.name + " has no window of its own");
}

bool isButton(ControlKind kind) { return kind == ControlKind::Button || kind == ControlKind::GlyphButton; }
bool isTextField(ControlKind kind) { return kind == ControlKind::Edit || kind == ControlKind::Memo; }

// The group box a control sits in, or null.
const Control* groupOf(const Control& control) {
    const std::string& parent = control.design().parent;
    const Control* group = parent.empty() ? nullptr : control.form().find(parent);
    return group != nullptr && group->kind() == ControlKind::GroupBox ? group : nullptr;
}

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return utf8(text);
}

}  // namespace

Win32Control::Win32Control(Win32Form& owner, Control& control, int id)
    : owner_(owner), control_(control), design_(control.design()), id_(id) {
    if (design_.backColour) {
        shapeLook_.fill = rgb(*design_.backColour);
        backBrush_ = CreateSolidBrush(shapeLook_.fill);
    }
    if (design_.penColour) shapeLook_.pen = rgb(*design_.penColour);
    shapeLook_.kind = design_.shape;
}

Win32Control::~Win32Control() {
    if (backBrush_ != nullptr) DeleteObject(backBrush_);
}

bool Win32Control::inFront() const { return isButton(design_.kind) || isTextField(design_.kind); }

void Win32Control::create(FontCache& fonts) {
    const WindowKind kind = windowKind(design_);
    const std::string caption = design_.kind == ControlKind::Memo ? "" : control_.text();
    window_ = CreateWindowExW(kind.exStyle, kind.className, wide(caption).c_str(), kind.style, 0, 0, 0, 0,
                              owner_.window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), GetModuleHandleW(nullptr),
                              design_.kind == ControlKind::Shape ? &shapeLook_ : nullptr);
    if (window_ == nullptr) throw std::runtime_error("cannot create the window of " + design_.name);
    setDesignName(window_, design_.name);

    const FormDesign& formDesign = control_.form().design();
    const bool fixed = has(design_, flags::FixedPitch);
    font_ = fonts.get({fixed ? fixedPitchFace : formDesign.fontFace,
                       design_.fontHeight > 0 ? design_.fontHeight : formDesign.fontHeight, has(design_, flags::Bold),
                       has(design_, flags::Underline)});
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

    if (isTextField(design_.kind)) SendMessageW(window_, EM_SETLIMITTEXT, 0, 0);  // no length limit
    if (isButton(design_.kind) || isTextField(design_.kind)) {
        SetWindowSubclass(window_, subclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    }

    if (design_.kind == ControlKind::Memo) applyLines();
    applyBounds();
    EnableWindow(window_, enabledWithGroups());
    ShowWindow(window_, shownWithGroups() ? SW_SHOWNA : SW_HIDE);
}

void Win32Control::update(ControlProperty property) {
    switch (property) {
        case ControlProperty::Text:
            applyText();
            break;
        case ControlProperty::Lines:
            applyLines();
            break;
        case ControlProperty::Enabled:
            EnableWindow(window_, enabledWithGroups());
            updateMembers(property);
            break;
        case ControlProperty::Visible:
            ShowWindow(window_, shownWithGroups() ? SW_SHOWNA : SW_HIDE);
            updateMembers(property);
            break;
        case ControlProperty::Bounds:
            applyBounds();
            updateMembers(property);
            break;
        case ControlProperty::Focus:
            // A form that is not active keeps the choice until it is.
            if (GetActiveWindow() == owner_.window() && IsWindowVisible(window_) && IsWindowEnabled(window_)) {
                SetFocus(window_);
            }
            break;
        case ControlProperty::Checked:
            break;  // no control kind with a window shows a check mark
    }
}

void Win32Control::updateMembers(ControlProperty property) {
    if (design_.kind != ControlKind::GroupBox) return;
    for (Win32Control* member : owner_.membersOf(design_.name)) member->update(property);
}

bool Win32Control::shownWithGroups() const {
    for (const Control* c = &control_; c != nullptr; c = groupOf(*c)) {
        if (!c->visible()) return false;
    }
    return true;
}

bool Win32Control::enabledWithGroups() const {
    for (const Control* c = &control_; c != nullptr; c = groupOf(*c)) {
        if (!c->enabled()) return false;
    }
    return true;
}

POINT Win32Control::groupOffset() const {
    POINT offset{0, 0};
    for (const Control* group = groupOf(control_); group != nullptr; group = groupOf(*group)) {
        offset.x += group->bounds().left;
        offset.y += group->bounds().top;
    }
    return offset;
}

void Win32Control::applyText() {
    if (design_.kind == ControlKind::Memo) return;  // a memo shows its lines
    setTextQuietly(control_.text());
    if (design_.kind == ControlKind::Label) applyBounds();  // a label that fits its text follows it
}

void Win32Control::applyLines() {
    if (design_.kind != ControlKind::Memo) return;
    setTextQuietly(joinLines(control_.lines()));
    const LPARAM end = GetWindowTextLengthW(window_);
    SendMessageW(window_, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(window_, EM_SCROLLCARET, 0, 0);
}

void Win32Control::setTextQuietly(const std::string& text) {
    applying_ = true;
    SetWindowTextW(window_, wide(text).c_str());
    applying_ = false;
}

Size Win32Control::measuredText() const {
    const std::wstring text = wide(control_.text());
    HDC dc = GetDC(window_);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    RECT area{0, 0, 0, 0};
    // An empty caption still has the height of a line.
    DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &area, DT_CALCRECT | DT_EXPANDTABS);
    SelectObject(dc, oldFont);
    ReleaseDC(window_, dc);
    // One pixel more: smoothed letters may reach one past their advance, and
    // the label clips what lies outside it.
    return {text.empty() ? 0 : area.right - area.left + 1, area.bottom - area.top};
}

void Win32Control::applyBounds() {
    Rect bounds = control_.bounds();
    const POINT offset = groupOffset();
    bounds.left += offset.x;
    bounds.top += offset.y;
    if (design_.kind == ControlKind::Label && (bounds.width == 0 || bounds.height == 0)) {
        const Size text = measuredText();
        bounds.width = text.width;
        bounds.height = text.height;
    }
    if (design_.kind == ControlKind::Bevel && design_.bevel != BevelKind::Frame) {
        // An etched line two pixels high along the top or bottom edge.
        if (design_.bevel == BevelKind::BottomLine) bounds.top += std::max(bounds.height - 2, 0);
        bounds.height = 2;
    }
    MoveWindow(window_, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
    if (design_.kind == ControlKind::Shape) fitShapeRegion(window_, shapeLook_, bounds.width, bounds.height);
}

void Win32Control::notified(WORD code) {
    if (!owner_.live()) return;
    if (isButton(design_.kind) && code == BN_CLICKED) {
        control_.clicked();
    } else if (isTextField(design_.kind) && code == EN_CHANGE) {
        reportContents();
    }
}

void Win32Control::reportContents() {
    if (applying_ || !owner_.live()) return;
    std::string text = windowText(window_);
    if (design_.kind == ControlKind::Memo) {
        control_.linesEdited(splitLines(text));
    } else {
        control_.textEdited(std::move(text));
    }
}

HBRUSH Win32Control::paintColours(HDC dc) const {
    if (design_.kind != ControlKind::Label && !isTextField(design_.kind)) return nullptr;
    // Text fields keep the window colour when read-only or disabled, as the
    // program's designs show them; labels take the form's face colour.
    const int face = design_.kind == ControlKind::Label ? COLOR_BTNFACE : COLOR_WINDOW;
    COLORREF text = design_.textColour ? rgb(*design_.textColour) : GetSysColor(COLOR_WINDOWTEXT);
    if (isTextField(design_.kind) && !IsWindowEnabled(window_)) text = GetSysColor(COLOR_GRAYTEXT);
    SetTextColor(dc, text);
    SetBkColor(dc, design_.backColour ? rgb(*design_.backColour) : GetSysColor(face));
    return backBrush_ != nullptr ? backBrush_ : GetSysColorBrush(face);
}

void Win32Control::draw(const DRAWITEMSTRUCT& item) {
    if (design_.kind == ControlKind::GlyphButton) drawGlyphButton(item);
}

LRESULT CALLBACK Win32Control::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, subclassProc, id);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    auto* control = reinterpret_cast<Win32Control*>(self);
    try {
        return control->handleSubclassed(message, wParam, lParam);
    } catch (const std::exception& error) {
        if (control->owner_.live()) control->control_.form().app().handleException(error);
    } catch (...) {
        // Nothing may cross back into the system.
    }
    return 0;
}

LRESULT Win32Control::handleSubclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDBLCLK:
            // A quick second click is a click: buttons do not know double clicks.
            if (isButton(design_.kind)) message = WM_LBUTTONDOWN;
            break;
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(window_, message, wParam, lParam);
            if (owner_.live()) control_.form().focusReported(&control_);
            return result;
        }
        case WM_SETTEXT: {
            // Text set from outside (another program, a tool) is the user's.
            const LRESULT result = DefSubclassProc(window_, message, wParam, lParam);
            if (isTextField(design_.kind)) reportContents();
            return result;
        }
    }
    return DefSubclassProc(window_, message, wParam, lParam);
}

}  // namespace zelvio
