// The toolkit's message loops and the keyboard handling they share.

#include "platform/application.h"
#include "platform/form.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_form_window.h"
#include "platform/win32/win32_launcher.h"
#include "platform/win32/win32_toolkit.h"

#include <stdexcept>
#include <utility>

namespace zelvio {

void Win32Toolkit::runMessageLoop(Application& app) {
    MSG message;
    while (!app.terminated()) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) break;
        handleMessage(message);
    }
}

void Win32Toolkit::runModal(Form& form) {
    Win32Form* peer = peerOf(form);
    if (peer == nullptr) throw std::logic_error("modal form " + form.name() + " has no window");
    const HWND before = peer->activeBeforeShow();
    ModalSession session{peer, {}};
    if (IsWindowEnabled(appWindow_)) session.disabled.push_back(appWindow_);
    for (const auto& other : forms_) {
        if (other.get() != peer && IsWindowEnabled(other->window())) session.disabled.push_back(other->window());
    }
    for (HWND window : session.disabled) EnableWindow(window, FALSE);
    modalSessions_.push_back(std::move(session));
    try {
        MSG message;
        while (form.visible() && !form.app().terminated()) {
            const BOOL got = GetMessageW(&message, nullptr, 0, 0);
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop to see
                break;
            }
            if (got < 0) break;
            handleMessage(message);
        }
    } catch (...) {
        enableAgain(modalSessions_.back());
        modalSessions_.pop_back();
        throw;
    }
    enableAgain(modalSessions_.back());
    modalSessions_.pop_back();
    if (formWindow(before) != nullptr && IsWindowVisible(before)) SetForegroundWindow(before);
}

void Win32Toolkit::modalFormHiding(const Win32Form& form) {
    for (auto& session : modalSessions_) {
        if (session.form == &form) enableAgain(session);
    }
}

void Win32Toolkit::enableAgain(ModalSession& session) {
    for (HWND window : session.disabled) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    session.disabled.clear();
}

void Win32Toolkit::processMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        // The application knows it is ending; the loops ask it. A quit put
        // back in the queue would wake every later wait at once.
        if (message.message == WM_QUIT) continue;
        handleMessage(message);
    }
}

void Win32Toolkit::waitForEvents(std::chrono::milliseconds atMost, StartedProgram* program) {
    HANDLE process = program != nullptr ? static_cast<Win32StartedProgram*>(program)->handle() : nullptr;
    MsgWaitForMultipleObjectsEx(process != nullptr ? 1 : 0, &process, static_cast<DWORD>(atMost.count()), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    processMessages();
}

std::chrono::milliseconds Win32Toolkit::now() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

// The stop message: posted to the thread, so no window takes it; the loop notes it.
constexpr UINT stopMessage = WM_USER + 50;

void Win32Toolkit::postStopMessage() { PostThreadMessageW(GetCurrentThreadId(), stopMessage, 0, 0); }

bool Win32Toolkit::takeStopMessage() { return std::exchange(stopSeen_, false); }

void Win32Toolkit::quit() { PostQuitMessage(0); }

void Win32Toolkit::handleMessage(MSG& message) {
    if (message.hwnd == nullptr && message.message == stopMessage) stopSeen_ = true;
    Win32Form* form = message.hwnd != nullptr ? formWindow(GetAncestor(message.hwnd, GA_ROOT)) : nullptr;
    if (form != nullptr && form->live() && routeFormKeys(*form, message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool Win32Toolkit::routeFormKeys(Win32Form& form, MSG& message) {
    const bool preview = form.form().design().keyPreview;
    if (message.message == WM_KEYDOWN) {
        const WPARAM key = message.wParam;
        if (key != VK_RETURN) returnPreviewed_ = false;
        if ((key == VK_F1 || key == VK_F2) && form.pressShortcut(key)) return true;
        if (key == VK_RETURN) {
            // Enter goes to the focused control first (a button presses, a
            // list opens its item), before any key preview.
            if (Win32Control* control = form.controlOf(message.hwnd); control != nullptr && control->pressEnter()) {
                return true;
            }
            // Elsewhere the dialog keys would take Enter before any control saw it.
            if (preview) {
                char typed = '\r';
                if (!form.form().previewKey(typed)) return true;
                returnPreviewed_ = true;
            }
        }
    } else if (message.message == WM_CHAR && preview && message.hwnd != form.window()) {
        if (message.wParam == '\r' && returnPreviewed_) {
            returnPreviewed_ = false;  // the preview saw this Enter as its key went down
        } else if (message.wParam < 0x80) {
            // The preview speaks ASCII; other letters go to the control untouched.
            char typed = static_cast<char>(message.wParam);
            if (!form.form().previewKey(typed)) return true;
            message.wParam = static_cast<unsigned char>(typed);
        }
    }
    // Tab and Shift+Tab between the controls, mnemonics, arrows.
    return IsDialogMessageW(form.window(), &message) != 0;
}

}  // namespace zelvio
