#include "platform/win32/win32_toolkit.h"

#include "platform/controls/popup_menu.h"
#include "platform/form.h"
#include "platform/win32/win32_form_window.h"
#include "platform/win32/win32_icon.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_module_path.h"
#include "platform/win32/win32_open_dialog.h"
#include "platform/win32/win32_popup_menu.h"
#include "platform/win32/win32_unicode.h"

#include <commctrl.h>

#include <stdexcept>

namespace zelvio {

namespace {

constexpr const wchar_t* applicationClass = L"TApplication";

// Posted to the application window when it became active: it hands the
// activation on to a form, where the keyboard has somewhere to go.
constexpr UINT activateFormMessage = WM_APP + 2;

// What wakes the application window for its idle steps.
constexpr UINT idleMessage = WM_APP + 3;
constexpr UINT_PTR idleTimer = 1;
// How long one round of idle steps may keep the messages waiting.
constexpr ULONGLONG idleRoundMs = 25;

// Whether the user's input or painting waits: a posted message would go before them.
bool inputWaiting() { return HIWORD(GetQueueStatus(QS_INPUT | QS_PAINT)) != 0; }

// The executable's name without its folder and extension.
std::wstring executableBaseName() {
    std::wstring name = modulePath(nullptr);
    if (const auto slash = name.find_last_of(L"\\/"); slash != std::wstring::npos) name.erase(0, slash + 1);
    if (const auto dot = name.rfind(L'.'); dot != std::wstring::npos && dot > 0) name.erase(dot);
    return name;
}

}  // namespace

Win32Toolkit::Win32Toolkit() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    createApplicationWindow();
}

Win32Toolkit::~Win32Toolkit() {
    // The portable forms are gone by now: nothing may reach them while the
    // windows are destroyed.
    for (const auto& form : forms_) form->setLive(false);
    forms_.clear();
    if (appWindow_ != nullptr) DestroyWindow(appWindow_);
}

void Win32Toolkit::createApplicationWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = applicationProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    // The task bar shows this window's icon for the program.
    windowClass.hIcon = programIcon(false);
    windowClass.hIconSm = programIcon(true);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = applicationClass;
    RegisterClassExW(&windowClass);
    // Visible but of no size: it stands for the program on the task bar and
    // owns every form, so the forms get no entries of their own.
    appWindow_ = CreateWindowExW(0, applicationClass, executableBaseName().c_str(),
                                 WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                 GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), this);
    if (appWindow_ == nullptr) throw std::runtime_error("cannot create the application window");
    ShowWindow(appWindow_, SW_SHOWNOACTIVATE);
}

LRESULT CALLBACK Win32Toolkit::applicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Toolkit*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    try {
        switch (message) {
            case WM_CLOSE:
                // Closing the task-bar entry closes the main window, which decides.
                if (!self->forms_.empty() && self->forms_.front()->live()) self->forms_.front()->form().requestClose();
                return 0;
            case WM_ACTIVATE:
                if (LOWORD(wParam) != WA_INACTIVE) PostMessageW(window, activateFormMessage, 0, 0);
                break;
            case idleMessage:
                self->runIdleSteps();
                return 0;
            case WM_TIMER:
                if (wParam != idleTimer) break;
                self->runIdleSteps();
                return 0;
            case activateFormMessage:
                if (GetActiveWindow() == window) {
                    if (HWND form = self->dialogOwner(); form != window && IsWindowEnabled(form)) {
                        SetForegroundWindow(form);
                    }
                }
                return 0;
        }
    } catch (...) {
        // Nothing may cross back into the system.
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Toolkit::createWindow(Form& form) {
    auto peer = std::make_unique<Win32Form>(*this, form);
    try {
        peer->create();  // attaches the form
        forms_.push_back(std::move(peer));
    } catch (...) {
        peer->detach();
        throw;
    }
    forms_.back()->setLive(true);
}

void Win32Toolkit::whenIdle(std::function<void()> step) {
    idleSteps_.push_back(std::move(step));
    askForIdle();
}

void Win32Toolkit::askForIdle() {
    if (idleAsked_ || idleSteps_.empty()) return;
    idleAsked_ = true;
    if (inputWaiting()) {
        SetTimer(appWindow_, idleTimer, USER_TIMER_MINIMUM, nullptr);
    } else {
        PostMessageW(appWindow_, idleMessage, 0, 0);
    }
}

void Win32Toolkit::runIdleSteps() {
    KillTimer(appWindow_, idleTimer);
    idleAsked_ = false;
    // A step's message box runs a loop of its own; the round it interrupted asks again.
    if (inIdleSteps_) return;
    struct Round {
        Win32Toolkit& toolkit;
        explicit Round(Win32Toolkit& t) : toolkit(t) { toolkit.inIdleSteps_ = true; }
        ~Round() {
            toolkit.inIdleSteps_ = false;
            toolkit.askForIdle();  // for the steps still waiting
        }
    } round(*this);
    const ULONGLONG until = GetTickCount64() + idleRoundMs;
    while (!idleSteps_.empty()) {
        const auto step = std::move(idleSteps_.front());
        idleSteps_.pop_front();
        step();
        if (GetTickCount64() >= until || inputWaiting()) break;
    }
}

Size Win32Toolkit::screenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void Win32Toolkit::setTitle(const std::string& title) { SetWindowTextW(appWindow_, wide(title).c_str()); }

Win32Form* Win32Toolkit::formWindow(HWND window) const {
    if (window == nullptr) return nullptr;
    for (const auto& form : forms_) {
        if (form->window() == window) return form.get();
    }
    return nullptr;
}

Win32Form* Win32Toolkit::peerOf(const Form& form) const {
    for (const auto& peer : forms_) {
        if (&peer->form() == &form) return peer.get();
    }
    return nullptr;
}

HWND Win32Toolkit::dialogOwner() const {
    HWND active = GetActiveWindow();
    if (formWindow(active) != nullptr && IsWindowVisible(active)) return active;
    if (formWindow(lastActive_) != nullptr && IsWindowVisible(lastActive_)) return lastActive_;
    for (const auto& form : forms_) {
        if (IsWindowVisible(form->window())) return form->window();
    }
    return appWindow_;
}

MessageResult Win32Toolkit::messageBox(const MessageBoxRequest& request) {
    return showMessageBox(dialogOwner(), request);
}

std::optional<std::string> Win32Toolkit::openFileDialog(const OpenFileRequest& request) {
    return showOpenDialog(dialogOwner(), request);
}

MenuItem* Win32Toolkit::trackPopupMenu(const PopupMenu& menu, Point screen) {
    Win32Form* owner = peerOf(menu.form());
    return zelvio::trackPopupMenu(owner != nullptr ? owner->window() : dialogOwner(), menu, screen);
}

}  // namespace zelvio
