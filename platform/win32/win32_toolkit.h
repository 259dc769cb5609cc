#pragma once
// The window toolkit on real Win32 windows: the application window, the
// forms, the message loop and the system's dialogs.

#include "platform/toolkit.h"
#include "platform/win32/win32_fonts.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zelvio {

class Win32Form;

class Win32Toolkit : public Toolkit {
public:
    Win32Toolkit();
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;

    // Toolkit
    void createWindow(Form& form) override;
    Size screenSize() override;
    void setTitle(const std::string& title) override;
    void runModal(Form& form) override;
    void runMessageLoop(Application& app) override;
    void processMessages() override;
    void waitForEvents(std::chrono::milliseconds atMost, StartedProgram* program) override;
    std::chrono::milliseconds now() override;
    void postStopMessage() override;
    bool takeStopMessage() override;
    void quit() override;
    void whenIdle(std::function<void()> step) override;
    MessageResult messageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> openFileDialog(const OpenFileRequest& request) override;
    MenuItem* trackPopupMenu(const PopupMenu& menu, Point screen) override;

    // For the forms.
    HWND applicationWindow() const { return appWindow_; }
    FontCache& fonts() { return fonts_; }
    void formActivated(HWND form) { lastActive_ = form; }
    // Gives back what a modal form disabled before the form hides, so that
    // nobody sees it gone while the other windows still refuse input.
    void modalFormHiding(const Win32Form& form);

private:
    static LRESULT CALLBACK applicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void createApplicationWindow();
    // One of our form windows, or null.
    Win32Form* formWindow(HWND window) const;
    Win32Form* peerOf(const Form& form) const;
    // What a message box or dialog is owned by: the active form.
    HWND dialogOwner() const;
    // The one routine every loop hands its messages to.
    void handleMessage(MSG& message);
    // Key preview, shortcuts and dialog keys for a form; true when the message is used up.
    bool routeFormKeys(Win32Form& form, MSG& message);

    // The windows a modal form disabled while it is shown.
    struct ModalSession {
        const Win32Form* form;
        std::vector<HWND> disabled;
    };
    void enableAgain(ModalSession& session);
    // The idle steps wake the application window: by a posted message when
    // nothing else waits, else by a timer, which comes after input and painting.
    void askForIdle();
    void runIdleSteps();

    FontCache fonts_;  // outlives the windows that use its fonts
    HWND appWindow_ = nullptr;
    std::vector<std::unique_ptr<Win32Form>> forms_;
    std::vector<ModalSession> modalSessions_;  // the innermost last
    HWND lastActive_ = nullptr;
    bool returnPreviewed_ = false;  // the Enter key went through the key preview already
    bool stopSeen_ = false;         // the stop message went through the queue
    std::deque<std::function<void()>> idleSteps_;
    bool idleAsked_ = false;     // a wake-up for the idle steps is on its way
    bool inIdleSteps_ = false;   // a step runs (and may run a message loop of its own)
};

}  // namespace zelvio
