#include "platform/application.h"

#include "platform/form.h"
#include "platform/launcher.h"

#include <algorithm>

namespace zelvio {

std::vector<std::string> buttonCaptions(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return {"&Yes", "&No"};
        case MessageButtons::YesCancel:
            return {"&Yes", "Cancel"};
        case MessageButtons::Ok:
            break;
    }
    return {"OK"};
}

const char* resultName(MessageResult result) {
    switch (result) {
        case MessageResult::Ok:
            return "Ok";
        case MessageResult::Yes:
            return "Yes";
        case MessageResult::No:
            return "No";
        case MessageResult::Cancel:
            break;
    }
    return "Cancel";
}

Application::Application(Platform platform) : platform_(platform) {}

void Application::setTitle(std::string title) {
    title_ = std::move(title);
    toolkit().setTitle(title_);
}

void Application::dispatch(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        handleException(error);
    }
}

void Application::handleException(const std::exception& error) noexcept {
    try {
        if (onException_) {
            onException_(error);
        } else {
            errorBox(std::string(error.what()) + ".");
        }
    } catch (...) {
        // A failing error handler has nowhere left to report to.
    }
}

void Application::createForm(Form& form) {
    createFormWhenShown(form);
    createWindow(form);
}

void Application::createFormWhenShown(Form& form) {
    forms_.push_back(&form);
    form.windowWhenShown_ = true;
}

void Application::createWindow(Form& form) {
    toolkit().createWindow(form);
    form.windowWhenShown_ = false;
    if (form.onCreate) dispatch(form.onCreate);
}

void Application::run() {
    if (forms_.empty() || terminated_) return;
    dispatch([this] { mainForm()->show(); });
    toolkit().runMessageLoop(*this);
}

void Application::processMessages() { toolkit().processMessages(); }

void Application::whenIdle(std::function<void()> step) {
    toolkit().whenIdle([this, step = std::move(step)] {
        if (!terminated_) dispatch(step);
    });
}

void Application::postStopMessage() { toolkit().postStopMessage(); }

bool Application::takeStopMessage() { return toolkit().takeStopMessage(); }

WaitEnd Application::wait(const std::function<bool()>& done, const WaitFor& also) {
    // Conditions that no message announces (a device's mode) are looked at again this often.
    constexpr std::chrono::milliseconds lookAgain{1000};
    const auto start = toolkit().now();
    for (;;) {
        if (done()) return WaitEnd::Done;
        if (also.program != nullptr && also.program->exitCode()) return WaitEnd::ProgramEnded;
        if (terminated_ && !also.throughEnding) return WaitEnd::ApplicationEnding;
        std::chrono::milliseconds wait = lookAgain;
        if (also.atMost) {
            const auto left = *also.atMost - (toolkit().now() - start);
            if (left <= std::chrono::milliseconds::zero()) return WaitEnd::TimeUp;
            wait = std::min(wait, left);
        }
        toolkit().waitForEvents(wait, also.program);
    }
}

void Application::terminate() {
    terminated_ = true;
    toolkit().quit();
}

void Application::showModal(Form& form) {
    form.modal_ = true;
    try {
        form.show();
        toolkit().runModal(form);
    } catch (...) {
        form.modal_ = false;
        throw;
    }
    form.modal_ = false;
}

static std::string titleOf(MessageKind kind, const std::string& applicationTitle) {
    switch (kind) {
        case MessageKind::Warning:
            return "Warning";
        case MessageKind::Error:
            return "Error";
        case MessageKind::Information:
            return "Information";
        case MessageKind::Confirm:
            return "Confirm";
        case MessageKind::PlainError:
        case MessageKind::PlainQuestion:
            break;
    }
    return applicationTitle;
}

MessageResult Application::messageBox(MessageKind kind, const std::string& text, MessageButtons buttons) {
    return toolkit().messageBox({kind, titleOf(kind, title_), text, buttons});
}

void Application::errorBox(const std::string& text) {
    toolkit().messageBox({MessageKind::PlainError, titleOf(MessageKind::PlainError, title_), text, MessageButtons::Ok});
}

std::optional<std::string> Application::openFileDialog(const OpenFileRequest& request) {
    return toolkit().openFileDialog(request);
}

}  // namespace zelvio
