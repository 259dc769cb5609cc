#include "platform/headless/headless_toolkit.h"

#include "platform/application.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/popup_menu.h"
#include "platform/form.h"

#include <algorithm>
#include <utility>

namespace zelvio {

// A form's window without a window: only its frame's size matters.
class HeadlessToolkit::FormPeerImpl : public FormPeer {
public:
    explicit FormPeerImpl(const Form& form) : form_(form) {}
    void update(FormProperty) override {}
    Size frameExtra() const override { return HeadlessToolkit::frameExtra(form_); }

private:
    const Form& form_;
};

namespace {

bool isButtonOf(MessageResult result, MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return result == MessageResult::Yes || result == MessageResult::No;
        case MessageButtons::YesCancel:
            return result == MessageResult::Yes || result == MessageResult::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return result == MessageResult::Ok;
}

// The answer that commits to nothing.
MessageResult safestAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return MessageResult::No;
        case MessageButtons::YesCancel:
            return MessageResult::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return MessageResult::Ok;
}

std::string describe(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "an exception of unknown type";
    }
}

}  // namespace

HeadlessToolkit::HeadlessToolkit(HeadlessClock& clock) : clock_(clock) {}

HeadlessToolkit::~HeadlessToolkit() = default;

Size HeadlessToolkit::frameExtra(const Form& form) {
    Size extra = form.design().border == BorderStyle::Dialog ? Size{6, 19} : Size{8, 21};
    const auto& controls = form.controls();
    if (std::any_of(controls.begin(), controls.end(), [](const auto& c) { return c->kind() == ControlKind::Menu; })) {
        extra.height += 19;  // the menu bar
    }
    return extra;
}

void HeadlessToolkit::createWindow(Form& form) {
    windowsCreated_.push_back(form.name());
    peers_.push_back(std::make_unique<FormPeerImpl>(form));
    form.attach(peers_.back().get());
    form.layOut();
}

void HeadlessToolkit::runModal(Form& form) {
    modalShows_.push_back(form.name());
    auto& scripts = modalScripts_[form.name()];
    const bool scripted = !scripts.empty();
    if (scripted) {
        const auto script = std::move(scripts.front());
        scripts.pop_front();
        try {
            script(form);
        } catch (...) {
            problems_.push_back("the script of modal form " + form.name() + " failed: " +
                                describe(std::current_exception()));
        }
    } else {
        problems_.push_back("modal form " + form.name() + " was not scripted");
    }
    // A real modal loop also ends when the application does.
    if (!form.visible() || form.app().terminated()) return;
    if (scripted) problems_.push_back("modal form " + form.name() + " was left open");
    closeForcibly(form);
}

// Closes a form nobody closed, so that its caller goes on; a handler that
// fails the close cannot keep it open.
void HeadlessToolkit::closeForcibly(Form& form) {
    try {
        form.close();
    } catch (...) {
        problems_.push_back("modal form " + form.name() + " failed to close: " + describe(std::current_exception()));
    }
    if (!form.visible() || form.app().terminated()) return;
    auto onCloseQuery = std::move(form.onCloseQuery);
    auto onClose = std::move(form.onClose);
    form.onCloseQuery = nullptr;
    form.onClose = nullptr;
    form.close();
    form.onCloseQuery = std::move(onCloseQuery);
    form.onClose = std::move(onClose);
}

void HeadlessToolkit::runMessageLoop(Application& app) {
    while (!app.terminated() && !posted_.empty()) {
        PostedEvent next = posted_.extract(posted_.begin()).value();
        if (next.due > clock_.now) clock_.now = next.due;  // idle until then
        runEvent(std::move(next));
    }
}

void HeadlessToolkit::processMessages() { runDueEvents(postedCount_); }

void HeadlessToolkit::waitForEvents(std::chrono::milliseconds tick, StartedProgram*) {
    // A program waiting for ten virtual hours is stuck, not patient.
    constexpr std::chrono::hours patience{10};
    const unsigned long long before = postedCount_;
    auto due = clock_.now + tick;
    if (!posted_.empty() && posted_.begin()->due < due) due = posted_.begin()->due;
    if (due > clock_.now) clock_.now = due;
    if (clock_.now > patience) {
        problems_.push_back("the program waited for ten virtual hours");
        throw std::runtime_error("the program waited for ten virtual hours");
    }
    runDueEvents(before);
}

void HeadlessToolkit::postStopMessage() {
    post([this] { stopSeen_ = true; });
}

bool HeadlessToolkit::takeStopMessage() { return std::exchange(stopSeen_, false); }

void HeadlessToolkit::runDueEvents(unsigned long long before) {
    for (auto next = posted_.begin(); next != posted_.end() && next->due <= clock_.now;) {
        if (next->number >= before) {
            ++next;
            continue;
        }
        PostedEvent event = posted_.extract(next).value();
        runEvent(std::move(event));
        next = posted_.begin();
    }
}

void HeadlessToolkit::runEvent(PostedEvent event) {
    try {
        event.run();
    } catch (...) {
        problems_.push_back("a posted event failed: " + describe(std::current_exception()));
    }
}

MessageResult HeadlessToolkit::messageBox(const MessageBoxRequest& request) {
    boxes_.push_back(request);
    const MessageResult safest = safestAnswer(request.buttons);
    if (boxAnswers_.empty()) {
        if (request.buttons != MessageButtons::Ok) {
            problems_.push_back("message box \"" + request.text + "\" was not answered; it got " + resultName(safest));
        }
        return safest;
    }
    const MessageResult answer = boxAnswers_.front();
    boxAnswers_.pop_front();
    if (!isButtonOf(answer, request.buttons)) {
        problems_.push_back("message box \"" + request.text + "\" has no button " + resultName(answer) + "; it got " +
                            resultName(safest));
        return safest;
    }
    return answer;
}

std::optional<std::string> HeadlessToolkit::openFileDialog(const OpenFileRequest& request) {
    openDialogs_.push_back(request);
    if (openAnswers_.empty()) {
        problems_.push_back("open-file dialog on \"" + request.fileName + "\" was not answered; it was cancelled");
        return std::nullopt;
    }
    auto answer = std::move(openAnswers_.front());
    openAnswers_.pop_front();
    return answer;
}

MenuItem* HeadlessToolkit::trackPopupMenu(const PopupMenu& menu, Point screen) {
    popups_.push_back({menu.name(), screen});
    if (popupAnswers_.empty()) {
        problems_.push_back("pop-up menu " + menu.name() + " was not answered; it was dismissed");
        return nullptr;
    }
    const auto answer = std::move(popupAnswers_.front());
    popupAnswers_.pop_front();
    if (!answer) return nullptr;
    for (MenuItem* item : menu.items()) {
        if (item->name() != *answer) continue;
        // A grayed item or a separator cannot be chosen.
        if (item->enabled() && item->visible() && !item->separator()) return item;
        problems_.push_back("pop-up menu item " + *answer + " cannot be chosen; the menu was dismissed");
        return nullptr;
    }
    problems_.push_back("pop-up menu " + menu.name() + " has no item " + *answer + "; it was dismissed");
    return nullptr;
}

void HeadlessToolkit::whenShownModally(const std::string& formName, std::function<void(Form&)> script) {
    modalScripts_[formName].push_back(std::move(script));
}

void HeadlessToolkit::answerMessageBox(MessageResult answer) { boxAnswers_.push_back(answer); }

void HeadlessToolkit::answerOpenDialog(std::optional<std::string> path) { openAnswers_.push_back(std::move(path)); }

void HeadlessToolkit::answerPopupMenu(std::optional<std::string> itemName) {
    popupAnswers_.push_back(std::move(itemName));
}

void HeadlessToolkit::post(std::function<void()> event) { postAt(clock_.now, std::move(event)); }

void HeadlessToolkit::postAt(std::chrono::milliseconds time, std::function<void()> event) {
    posted_.insert({time, postedCount_++, std::move(event)});
}

void HeadlessToolkit::recordUnusedScripts() {
    for (auto& [formName, scripts] : modalScripts_) {
        for (std::size_t i = 0; i < scripts.size(); ++i) {
            problems_.push_back("the script for modal form " + formName + " was never used");
        }
        scripts.clear();
    }
    for (MessageResult answer : boxAnswers_) {
        problems_.push_back(std::string("the message box answer ") + resultName(answer) + " was never used");
    }
    boxAnswers_.clear();
    for (const auto& answer : openAnswers_) {
        problems_.push_back("the open-file answer " + (answer ? "\"" + *answer + "\"" : std::string("Cancel")) +
                            " was never used");
    }
    openAnswers_.clear();
    for (const auto& answer : popupAnswers_) {
        problems_.push_back("the pop-up menu answer " + answer.value_or("(dismiss)") + " was never used");
    }
    popupAnswers_.clear();
}

void HeadlessToolkit::clearRecords() {
    boxes_.clear();
    openDialogs_.clear();
    modalShows_.clear();
    popups_.clear();
}

}  // namespace zelvio
