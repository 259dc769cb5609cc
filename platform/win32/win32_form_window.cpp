#include "platform/win32/win32_form_window.h"

#include "platform/application.h"
#include "platform/win32/win32_contrast.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_icon.h"
#include "platform/win32/win32_menu_bar.h"
#include "platform/win32/win32_names.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_unicode.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

namespace zelvio {

namespace {

// Posted to itself on activation: the portable form hears of it once the
// activation is over, never from inside WM_ACTIVATE.
constexpr UINT activatedMessage = WM_APP + 1;

// The first control id: 1 and 2 are IDOK and IDCANCEL, which the dialog keys send.
constexpr int firstControlId = 100;

// The focus rectangle and the letters that "&" marks.
constexpr WORD keyboardCues = UISF_HIDEFOCUS | UISF_HIDEACCEL;

struct FrameStyle {
    DWORD style;
    DWORD exStyle;
};

FrameStyle frameStyle(const FormDesign& design) {
    FrameStyle frame{};
    const bool dialog = design.border == BorderStyle::Dialog;
    if (dialog) {
        frame.style = WS_POPUP | WS_CAPTION | WS_DLGFRAME;
        frame.exStyle = WS_EX_DLGMODALFRAME;
    } else {
        frame.style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
    }
    switch (design.titleButtons) {
        case TitleButtons::All:
            frame.style |= WS_SYSMENU | (dialog ? 0 : WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
            break;
        case TitleButtons::CloseOnly:
            frame.style |= WS_SYSMENU;
            break;
        case TitleButtons::None:
            break;
    }
    if (design.stayOnTop) frame.exStyle |= WS_EX_TOPMOST;
    return frame;
}

void registerFormClass(const std::wstring& name, bool dialog, WNDPROC procedure) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, name.c_str(), &windowClass)) return;
    windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    // A dialog frame shows no icon in its caption.
    windowClass.hIcon = dialog ? nullptr : programIcon(false);
    windowClass.hIconSm = dialog ? nullptr : programIcon(true);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name.c_str();
    if (!RegisterClassExW(&windowClass)) {
        throw std::runtime_error("cannot register the window class " + utf8(name) + ": " +
                                 systemErrorText(GetLastError()));
    }
}

// The menu bar's drop-downs and their items, as opposed to pop-up menus,
// which are built each time they are shown, and their items.
bool isMenuBarPart(const Control& control) {
    if (control.kind() == ControlKind::Menu) return true;
    if (control.kind() != ControlKind::MenuItem) return false;
    const Control* parent = control.form().find(control.design().parent);
    return parent != nullptr && parent->kind() == ControlKind::Menu;
}

}  // namespace

Win32Form::Win32Form(Win32Toolkit& toolkit, Form& form) : toolkit_(toolkit), form_(form) {}

Win32Form::~Win32Form() {
    live_ = false;
    if (window_ == nullptr) return;
    for (const auto& control : controls_) {
        if (control->window() != nullptr) removeDesignName(control->window());
    }
    removeDesignName(window_);
    DestroyWindow(window_);  // with its controls, menu and tooltip window
}

void Win32Form::create() {
    const FormDesign& design = form_.design();
    const std::string className = design.name.empty() ? "TZelvioForm" : design.name;
    registerFormClass(wide(className), design.border == BorderStyle::Dialog, windowProc);
    const FrameStyle frame = frameStyle(design);
    // The menu bar goes in with the window: set afterwards, the frame would
    // be worked out again. The client area, and so the layout, depends on it.
    const auto& controls = form_.controls();
    for (std::size_t index = 0; index < controls.size(); ++index) {
        if (!isMenuBarPart(*controls[index])) continue;
        if (!menuBar_) menuBar_ = std::make_unique<Win32MenuBar>();
        menuBar_->add(*controls[index], firstControlId + static_cast<int>(index));
    }
    HMENU menu = menuBar_ ? menuBar_->build() : nullptr;
    // Made at the design's place and size; attaching the form scales them once the DPI is known.
    const Rect bounds = form_.bounds();
    CreateWindowExW(frame.exStyle, wide(className).c_str(), wide(form_.caption()).c_str(), frame.style, bounds.left,
                    bounds.top, bounds.width, bounds.height, toolkit_.applicationWindow(), menu,
                    GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        if (menu != nullptr) DestroyMenu(menu);
        throw std::runtime_error("cannot create the window " + className + ": " + systemErrorText(GetLastError()));
    }
    if (menuBar_) menuBar_->madeWith(window_);
    setDesignName(window_, className);
    dpi_ = windowDpi(window_);

    // The form at its size, and its controls laid out for it, before they
    // get windows: each is made where it belongs, and is moved no more.
    form_.attach(this);
    form_.layOut();
    for (std::size_t index = 0; index < controls.size(); ++index) {
        Control& control = *controls[index];
        if (!control.design().ownsWindow()) continue;
        controls_.push_back(makeWin32Control(*this, control, firstControlId + static_cast<int>(index)));
        control.attach(controls_.back().get());
    }
    // A child window goes below those made before it, and the tab order is
    // the stacking order: the controls in the layout's order, then what
    // frames or backs them, the later ones over the earlier.
    for (const auto& control : controls_) {
        if (!control->isBackdrop()) control->create(toolkit_.fonts());
    }
    for (auto control = controls_.rbegin(); control != controls_.rend(); ++control) {
        if ((*control)->isBackdrop()) (*control)->create(toolkit_.fonts());
    }
    // Focus rectangles and underlined letters show from the start, not only
    // once the keyboard has been used.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, keyboardCues), 0);
}

void Win32Form::makeHints() {
    hintsMade_ = true;
    for (const auto& control : controls_) addTooltip(*control);
}

void Win32Form::detach() {
    live_ = false;
    for (const auto& control : controls_) control->control().attach(nullptr);
    if (menuBar_) menuBar_->detach();
    form_.attach(nullptr);
}

void Win32Form::relayToHints(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const {
    if (tooltip_ == nullptr) return;
    MSG relayed{control, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    const DWORD position = GetMessagePos();
    relayed.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void Win32Form::addTooltip(const Win32Control& control) {
    if (control.design().hint.empty()) return;
    if (tooltip_ == nullptr) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        if (tooltip_ == nullptr) return;  // the form works without its hints
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, onScreen(400));
    }
    std::wstring hint = wide(control.design().hint);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // the size every version of the common controls takes
    // A control whose messages pass through the program has its mouse
    // relayed; the common controls' subclassing, which looks up a window
    // property on every message, is a round trip to the server under Wine.
    tool.uFlags = TTF_IDISHWND | (control.listens() ? 0 : TTF_SUBCLASS);
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control.window());
    tool.lpszText = hint.data();  // copied by the tooltip
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32Form::update(FormProperty property) {
    switch (property) {
        case FormProperty::Caption:
            SetWindowTextW(window_, wide(form_.caption()).c_str());
            break;
        case FormProperty::Bounds: {
            const Rect bounds = form_.bounds();
            SetWindowPos(window_, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case FormProperty::Visible:
            if (form_.visible()) {
                if (!IsWindowVisible(window_)) activeBeforeShow_ = GetActiveWindow();
                ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
                SetForegroundWindow(window_);
                focusPortableControl();
            } else {
                toolkit_.modalFormHiding(*this);
                ShowWindow(window_, SW_HIDE);
            }
            break;
    }
}

Size Win32Form::frameExtra() const {
    return frameExtraAt(static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                        static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)), GetMenu(window_) != nullptr, dpi_);
}

void Win32Form::changeDpi(int dpi, const RECT& suggested) {
    // The portable side keeps its design pixels: the client area stays the
    // same in them, and the frame goes around it at the new DPI where the
    // system suggests. Without the portable form there is nothing to place.
    if (!live_) {
        dpi_ = dpi;
        return;
    }
    const Size client = form_.clientSize();
    dpi_ = dpi;
    for (const auto& control : controls_) control->rescale();
    form_.dpiChanged(client, {suggested.left, suggested.top});
}

void Win32Form::paintPending() { UpdateWindow(window_); }

bool Win32Form::pressShortcut(WPARAM virtualKey) {
    if (!menuBar_) return false;
    const ShortcutKey key = virtualKey == VK_F1   ? ShortcutKey::F1
                            : virtualKey == VK_F2 ? ShortcutKey::F2
                                                  : ShortcutKey::None;
    if (key == ShortcutKey::None) return false;
    Control* item = menuBar_->itemWithShortcut(key);
    if (item == nullptr) return false;
    if (live_) item->clicked();
    return true;
}

int Win32Form::edgeRightOf(const Win32Control& control, const Rect& place) const {
    RECT client;
    GetClientRect(window_, &client);
    int edge = client.right;
    for (const auto& other : controls_) {
        if (other.get() == &control || other->isBackdrop() || other->design().kind == ControlKind::Label) continue;
        const Rect bounds = other->designedPlace();
        const bool sameRow = bounds.top < place.top + place.height && place.top < bounds.top + bounds.height;
        if (sameRow && bounds.left > place.left) edge = std::min(edge, bounds.left);
    }
    return edge;
}

std::vector<Win32Control*> Win32Form::membersOf(const std::string& group) const {
    std::vector<Win32Control*> members;
    for (const auto& control : controls_) {
        if (control->design().parent == group) members.push_back(control.get());
    }
    return members;
}

Win32Control* Win32Form::controlWithId(UINT id) const {
    for (const auto& control : controls_) {
        if (static_cast<UINT>(control->id()) == id) return control.get();
    }
    return nullptr;
}

Win32Control* Win32Form::controlOf(HWND window) const {
    for (const auto& control : controls_) {
        if (control->window() == window) return control.get();
    }
    return nullptr;
}

namespace {

bool takesFocus(HWND window) {
    return window != nullptr && IsWindowVisible(window) && IsWindowEnabled(window) &&
           (GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP) != 0;
}

}  // namespace

HWND Win32Form::nextTabStop(HWND control) const {
    HWND next = GetNextDlgTabItem(window_, control, FALSE);
    return next != control && takesFocus(next) ? next : nullptr;
}

bool Win32Form::focusPortableControl() {
    if (!live_) return false;
    const Control* focused = form_.focusedControl();
    if (focused == nullptr) return false;
    for (const auto& control : controls_) {
        if (&control->control() != focused) continue;
        HWND window = control->window();
        if (!IsWindowVisible(window) || !IsWindowEnabled(window)) window = nextTabStop(window);
        if (window == nullptr) return false;
        SetFocus(window);
        return true;
    }
    return false;
}

void Win32Form::keepFocusAfter(HWND control) {
    // Only where the user is: a form that is not active takes the focus when it is.
    if (GetActiveWindow() != window_) return;
    const HWND focus = GetFocus();
    if (focus != nullptr && focus != window_ && IsWindowVisible(focus) && IsWindowEnabled(focus)) return;
    if (const HWND next = nextTabStop(control)) SetFocus(next);
}

void Win32Form::reportBounds() {
    if (!live_ || IsIconic(window_)) return;
    RECT outer;
    GetWindowRect(window_, &outer);
    form_.boundsReported({outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top});
}

bool Win32Form::command(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    // A window a modal form has disabled takes no clicks, not even ones a tool
    // posts to it; its fields still report text set into them.
    const bool takesClicks = live_ && IsWindowEnabled(window_);
    if (lParam == 0) {
        // From the menu (0) or an accelerator (1).
        Control* item = menuBar_ && code <= 1 ? menuBar_->itemWithId(id) : nullptr;
        if (item == nullptr) return false;
        if (takesClicks) item->clicked();
        return true;
    }
    Win32Control* control = controlOf(reinterpret_cast<HWND>(lParam));
    if (control == nullptr) return false;
    if (code == BN_CLICKED && !takesClicks) return true;
    control->notified(code);
    return true;
}

LRESULT Win32Form::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Anything else, IDOK and IDCANCEL from Enter and Escape among it, does nothing.
            command(wParam, lParam);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            if (Win32Control* control = controlOf(reinterpret_cast<HWND>(lParam))) {
                if (HBRUSH brush = control->paintColours(reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (Win32Control* control = controlOf(item->hwndItem); control != nullptr && control->draw(*item)) {
                return TRUE;
            }
            break;
        }
        case WM_MEASUREITEM: {
            // Asked while the control is being made, before its window is known: by id.
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (Win32Control* control = controlWithId(item->CtlID); control != nullptr && control->measure(*item)) {
                return TRUE;
            }
            break;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) {
                toolkit_.formActivated(window_);
                if (live_) PostMessageW(window_, activatedMessage, 0, 0);
                if (focusPortableControl()) return 0;
            }
            break;
        case activatedMessage:
            if (live_) form_.activated();
            return 0;
        case WM_SETFOCUS:
            if (focusPortableControl()) return 0;
            break;
        case WM_SETCURSOR:
            // The hints are made when the mouse first comes over the form
            // or a control in it (whose default handling asks the form
            // first): a start does not wait for them.
            if (!hintsMade_) makeHints();
            break;
        case WM_NEXTDLGCTL: {
            // What the dialog manager asks for a label's letter (the control
            // after the label) and for Tab; a window of our own class must do
            // what the dialog procedure would.
            HWND next = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                            : GetNextDlgTabItem(window_, GetFocus(), wParam != 0);
            if (next != nullptr) SetFocus(next);
            return 0;
        }
        case WM_CHANGEUISTATE:
        case WM_UPDATEUISTATE:
            // Asked to hide them (as after input from the mouse), the form shows them still.
            if (LOWORD(wParam) != UIS_CLEAR && (HIWORD(wParam) & keyboardCues) != 0) {
                wParam = MAKEWPARAM(UIS_CLEAR, keyboardCues);
            }
            break;
        case WM_CLOSE:
            // The portable form decides; it hides or ends the program itself.
            if (live_) form_.requestClose();
            return 0;
        case WM_SIZE:
            for (const auto& control : controls_) control->formResized();
            reportBounds();
            break;
        case WM_MOVE:
            reportBounds();
            break;
        case WM_SYSCOLORCHANGE:  // the user's colours or high-contrast setting changed
            repaintInNewColours(window_);
            break;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETHIGHCONTRAST) repaintInNewColours(window_);
            break;
        case WM_DPICHANGED:
            changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ENTERMENULOOP:
            if (menuBar_) menuBar_->menuLoop(true);
            break;
        case WM_EXITMENULOOP:
            if (menuBar_ && live_) menuBar_->menuLoop(false);
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Win32Form::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32Form*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->handle(message, wParam, lParam);
    } catch (const std::exception& error) {
        if (self->live_) self->form_.app().handleException(error);
    } catch (...) {
        // Nothing may cross back into the system.
    }
    return 0;
}

}  // namespace zelvio
