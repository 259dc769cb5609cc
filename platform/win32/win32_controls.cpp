#include "platform/win32/win32_controls.h"

#include "platform/application.h"
#include "platform/form.h"
#include "platform/win32/win32_fonts.h"
#include "platform/win32/win32_form_window.h"
#include "platform/win32/win32_names.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_unicode.h"

#include <commctrl.h>

#include <set>
#include <stdexcept>
#include <string>

namespace zelvio {

namespace {

// The group box a control sits in, or null.
const Control* groupOf(const Control& control) {
    const std::string& parent = control.design().parent;
    const Control* group = parent.empty() ? nullptr : control.form().find(parent);
    return group != nullptr && group->kind() == ControlKind::GroupBox ? group : nullptr;
}

}  // namespace

Win32Control::Win32Control(Win32Form& owner, Control& control, int id)
    : owner_(owner), control_(control), design_(control.design()), id_(id) {}

Win32Control::~Win32Control() {
    if (window_ != nullptr) setAccessibleSource(window_, nullptr);
}

bool Win32Control::live() const { return owner_.live(); }

void Win32Control::create(FontCache& fonts) {
    // The font first: an owner-drawn list measures its items with it while it is made.
    const FormDesign& formDesign = control_.form().design();
    std::string face = design_.fontFace.empty() ? formDesign.fontFace : design_.fontFace;
    if (design_.has(flags::FixedPitch)) face = fixedPitchFace;
    fonts_ = &fonts;
    fontKey_ = {face, design_.fontHeight > 0 ? design_.fontHeight : formDesign.fontHeight, design_.has(flags::Bold),
                design_.has(flags::Underline)};
    font_ = fonts.get({fontKey_.face, owner_.onScreen(fontKey_.height), fontKey_.bold, fontKey_.underline});

    // Font, place, visibility and state are settled before the window is
    // made with them: under Wine each change after would cost a round trip.
    fitFont();
    const Rect place = screenBounds();
    const WindowKind kind = windowKind();
    const DWORD state = (shownWithGroups() ? WS_VISIBLE : 0) | (enabledWithGroups() ? 0 : WS_DISABLED);
    window_ = CreateWindowExW(kind.exStyle, kind.className, wide(control_.text()).c_str(),
                              kind.style | WS_CHILD | WS_CLIPSIBLINGS | state, place.left, place.top, place.width,
                              place.height, owner_.window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                              GetModuleHandleW(nullptr), creationParameter());
    if (window_ == nullptr) {
        throw std::runtime_error("cannot create the window of " + design_.name + ": " +
                                 systemErrorText(GetLastError()));
    }
    setDesignName(window_, design_.name);
    setAccessibleSource(window_, this);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (listens()) {
        // The window procedure is replaced outright: the common controls'
        // subclassing looks its data up in a window property on every
        // message, which under Wine is a round trip to the server and makes
        // filling a list of thousands of lines take seconds.
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        systemProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc)));
    }
    created();
    moved(place);
}

void Win32Control::update(ControlProperty property) {
    // The focus leaves a window that is disabled or hidden; it goes on to the
    // next control, not to nothing or to the form.
    const bool hadFocus = (property == ControlProperty::Enabled || property == ControlProperty::Visible) &&
                          window_ != nullptr && GetFocus() == window_;
    switch (property) {
        case ControlProperty::Text:
            applyText();
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
        default:
            break;
    }
    if (hadFocus) owner_.keepFocusAfter(window_);
    updateOwn(property);
}

void Win32Control::rescale() {
    fitFont();
    applyBounds();
    rescaled();
}

void Win32Control::updateMembers(ControlProperty property) {
    if (design_.kind != ControlKind::GroupBox) return;
    for (Win32Control* member : owner_.membersOf(design_.name)) member->update(property);
}

bool Win32Control::isBackdrop() const {
    return design_.kind == ControlKind::GroupBox || design_.kind == ControlKind::Bevel ||
           design_.kind == ControlKind::Shape;
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
    setWindowTextQuietly(control_.text());
    fitFont();
}

int Win32Control::measuredWidth(HFONT font, const std::wstring& text) const {
    const HDC measuring = measuringContext();
    HGDIOBJ oldFont = SelectObject(measuring, font);
    RECT area{0, 0, 0, 0};
    DrawTextW(measuring, text.c_str(), -1, &area, DT_CALCRECT | DT_SINGLELINE);  // "&" marks a letter, as on the control
    SelectObject(measuring, oldFont);
    return area.right - area.left;
}

void Win32Control::fitFont() {
    // The stand-in a system has for a face may be wider than the face the
    // box was designed for: the text gets the largest size that fits.
    // Heights and room are the design's, on the screen at the form's DPI.
    const int smallest = owner_.onScreen(7);
    if (fonts_ == nullptr) return;
    FontKey key = fontKey_;
    key.height = owner_.onScreen(fontKey_.height);
    HFONT font = fonts_->get(key);
    if (const int room = owner_.onScreen(textRoom()); room > 0 && !fittedText().empty()) {
        const std::wstring text = wide(fittedText());
        while (key.height > smallest && measuredWidth(font, text) > room) {
            --key.height;
            font = fonts_->get(key);
        }
    }
    if (window_ == nullptr) {
        font_ = font;  // the window is made with it
        return;
    }
    if (font == font_ && SendMessageW(window_, WM_GETFONT, 0, 0) == reinterpret_cast<LRESULT>(font)) return;
    font_ = font;
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
}

void Win32Control::setWindowTextQuietly(const std::string& text) {
    applying_ = true;
    SetWindowTextW(window_, wide(text).c_str());
    applying_ = false;
}

std::string Win32Control::windowText() const {
    const int length = GetWindowTextLengthW(window_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return utf8(text);
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

Rect Win32Control::designedPlace() const {
    Rect bounds = control_.bounds();
    const POINT offset = groupOffset();
    bounds.left += offset.x;
    bounds.top += offset.y;
    return owner_.onScreen(bounds);
}

// What the kind adds (a label's text, a combo box's dropped list) is the screen's.
Rect Win32Control::screenBounds() const { return placed(designedPlace()); }

void Win32Control::applyBounds() {
    const Rect bounds = screenBounds();
    MoveWindow(window_, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
    moved(bounds);
}

bool Win32Control::pressEnter() {
    bool used = false;
    report([&] { used = control_.enterPressed(); });
    return used;
}

LRESULT Win32Control::callDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(systemProc_, window_, message, wParam, lParam);
}

std::string Win32Control::accessibleName() const {
    if (!design_.accessibleName.empty()) return design_.accessibleName;
    // A picture alone says nothing: the button is called what its hint says it does.
    if (design_.kind == ControlKind::GlyphButton && design_.caption.empty()) return design_.hint;
    return {};
}

LRESULT Win32Control::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT) {
        if (const LRESULT answer = answerAccessibleObject(window_, wParam, lParam)) return answer;
    }
    if (message == WM_SETFOCUS) {
        const LRESULT result = callDefault(message, wParam, lParam);
        report([this] { control_.form().focusReported(&control_); });
        return result;
    }
    return callDefault(message, wParam, lParam);
}

LRESULT CALLBACK Win32Control::controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<Win32Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (control == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The peer may be gone before its window: nothing reaches it from here on.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control->systemProc_));
        return CallWindowProcW(control->systemProc_, window, message, wParam, lParam);
    }
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) control->owner_.relayToHints(window, message, wParam, lParam);
    try {
        return control->subclassed(message, wParam, lParam);
    } catch (const std::exception& error) {
        if (control->live()) control->control_.form().app().handleException(error);
    } catch (...) {
        // Nothing may cross back into the system.
    }
    return 0;
}

const wchar_t* ownWindowClass(const wchar_t* name, WNDPROC procedure) {
    static std::set<std::wstring> registered;
    if (registered.insert(name).second) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = name;
        RegisterClassExW(&windowClass);
    }
    return name;
}

}  // namespace zelvio
