#pragma once
// The application: its title, its windows, the message loop, modal things,
// and the exception handler every event goes through.

#include "platform/event_loop.h"
#include "platform/platform.h"
#include "platform/system.h"
#include "platform/toolkit.h"

#include <chrono>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelvio {

class FileSystem;
class Form;
class ProgramLauncher;

class Application : public EventLoop {
public:
    explicit Application(Platform platform);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    FileSystem& fileSystem() const { return platform_.fileSystem; }
    ProgramLauncher& launcher() const { return platform_.launcher; }
    MediaControl& media() const { return platform_.media; }
    DdeClient& dde() const { return platform_.dde; }
    Toolkit& toolkit() const { return platform_.toolkit; }
    // What a service is handed.
    System system() { return {platform_.fileSystem, platform_.launcher, platform_.media, *this}; }

    const std::string& title() const { return title_; }
    void setTitle(std::string title);

    using ExceptionHandler = std::function<void(const std::exception& error)>;
    void setExceptionHandler(ExceptionHandler handler) { onException_ = std::move(handler); }
    // Runs an event handler; whatever it throws goes to the exception handler.
    void dispatch(const std::function<void()>& handler) noexcept override;
    void handleException(const std::exception& error) noexcept;

    // Creates the form's window (hidden) and runs its onCreate. The first form
    // created is the main window.
    void createForm(Form& form);
    // Takes the form in as createForm does, but creates its window (and runs
    // its onCreate) only when it is first shown: a dialog the user never
    // opens costs the start nothing.
    void createFormWhenShown(Form& form);
    Form* mainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    const std::vector<Form*>& forms() const { return forms_; }

    // Shows the main window and runs the message loop until it closes.
    void run();
    void processMessages();
    void postStopMessage() override;
    bool takeStopMessage() override;
    bool terminated() const { return terminated_; }
    // Runs the step, as an event handler, once everything waiting has been
    // handled (see Toolkit::whenIdle).
    void whenIdle(std::function<void()> step);
    void terminate();

    void showModal(Form& form);
    // A box of one of the four kinds, with its fixed title.
    MessageResult messageBox(MessageKind kind, const std::string& text, MessageButtons buttons);
    // The plain error box: the application title, a stop icon and OK.
    void errorBox(const std::string& text);
    std::optional<std::string> openFileDialog(const OpenFileRequest& request);

protected:
    // The one wait of every long operation.
    WaitEnd wait(const std::function<bool()>& done, const WaitFor& also) override;

private:
    friend class Form;
    void createWindow(Form& form);

    Platform platform_;
    std::string title_;
    ExceptionHandler onException_;
    std::vector<Form*> forms_;
    bool terminated_ = false;
};

}  // namespace zelvio
