#pragma once
// The window toolkit without windows: forms and controls exist as their
// portable state only; modal forms, message boxes and open-file dialogs are
// answered by scripts a test sets up, and each is recorded.
//
// A toolkit event a test did not script is not an error of the program under
// test: it is recorded in problems(), answered in the safest way (No, Cancel,
// a closed form) and the test checks problems() at its end. So is a script
// or answer the program never used, once recordUnusedScripts() is called: a
// test whose checks sit inside a script must not pass when nothing ran it.

#include "platform/headless/headless_clock.h"
#include "platform/toolkit.h"

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zelvio {

class HeadlessToolkit : public Toolkit {
public:
    explicit HeadlessToolkit(HeadlessClock& clock);
    ~HeadlessToolkit() override;

    // Toolkit
    void createWindow(Form& form) override;
    Size screenSize() override { return screen_; }
    void setTitle(const std::string& title) override { title_ = title; }
    void runModal(Form& form) override;
    void runMessageLoop(Application& app) override;
    void processMessages() override;
    // Moves the clock on to the next event due, at most by `atMost`, and
    // delivers what is due then; a watched program's end is an event of its
    // own, on the clock.
    void waitForEvents(std::chrono::milliseconds atMost, StartedProgram* program) override;
    std::chrono::milliseconds now() override { return clock_.now; }
    void postStopMessage() override;
    bool takeStopMessage() override;
    void quit() override { quit_ = true; }
    // A step is an event the next processMessages() delivers.
    void whenIdle(std::function<void()> step) override { post(std::move(step)); }
    MessageResult messageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> openFileDialog(const OpenFileRequest& request) override;
    MenuItem* trackPopupMenu(const PopupMenu& menu, Point screen) override;

    // Scripts, each used once, in the order given.
    // Runs when the named form is next shown modally; it should close the form.
    void whenShownModally(const std::string& formName, std::function<void(Form&)> script);
    // The answer to the next message box; a box with OK alone needs none.
    void answerMessageBox(MessageResult answer);
    // The answer to the next open-file dialog: a path, or none for Cancel.
    void answerOpenDialog(std::optional<std::string> path);
    // The item the user chooses from the next pop-up menu (its design name),
    // or none to dismiss it.
    void answerPopupMenu(std::optional<std::string> itemName);
    // An event that the next processMessages() delivers.
    void post(std::function<void()> event);
    // An event delivered once the clock has reached `time`, while the
    // program waits or runs its message loop.
    void postAt(std::chrono::milliseconds time, std::function<void()> event);
    HeadlessClock& clock() const { return clock_; }
    // Whether an event is due now: what a test runs processMessages() for
    // until the program has nothing left to do.
    bool eventsDue() const { return !posted_.empty() && posted_.begin()->due <= clock_.now; }

    void setScreenSize(Size size) { screen_ = size; }
    // What the frame adds to a client area, by the form's border and menu.
    static Size frameExtra(const Form& form);

    // Records.
    const std::string& title() const { return title_; }
    const std::vector<MessageBoxRequest>& messageBoxes() const { return boxes_; }
    const std::vector<OpenFileRequest>& openDialogs() const { return openDialogs_; }
    const std::vector<std::string>& modalShows() const { return modalShows_; }
    // The forms whose windows were created, by name, in the order they were.
    const std::vector<std::string>& windowsCreated() const { return windowsCreated_; }
    struct PopupShown {
        std::string menu;
        Point at;
    };
    const std::vector<PopupShown>& popupsShown() const { return popups_; }
    const std::vector<std::string>& problems() const { return problems_; }
    // Records a problem for each script and answer still waiting, and drops
    // them; a test calls it at its end, before reading problems().
    void recordUnusedScripts();
    // Whether the program asked the message loop to end.
    bool quitRequested() const { return quit_; }
    // Forgets what was shown so far; problems stay.
    void clearRecords();

private:
    class FormPeerImpl;
    struct PostedEvent {
        std::chrono::milliseconds due;
        unsigned long long number;  // in order of posting
        std::function<void()> run;
        bool operator<(const PostedEvent& other) const {
            return due != other.due ? due < other.due : number < other.number;
        }
    };
    // Delivers the events due now that were posted before `before`.
    void runDueEvents(unsigned long long before);
    void runEvent(PostedEvent event);
    void closeForcibly(Form& form);

    std::vector<std::unique_ptr<FormPeerImpl>> peers_;
    std::map<std::string, std::deque<std::function<void(Form&)>>> modalScripts_;
    std::deque<MessageResult> boxAnswers_;
    std::deque<std::optional<std::string>> openAnswers_;
    std::deque<std::optional<std::string>> popupAnswers_;
    std::vector<PopupShown> popups_;
    HeadlessClock& clock_;
    std::multiset<PostedEvent> posted_;  // by time due, then by order of posting
    unsigned long long postedCount_ = 0;
    std::vector<MessageBoxRequest> boxes_;
    std::vector<OpenFileRequest> openDialogs_;
    std::vector<std::string> modalShows_;
    std::vector<std::string> windowsCreated_;
    std::vector<std::string> problems_;
    std::string title_;
    Size screen_{800, 600};
    bool quit_ = false;
    bool stopSeen_ = false;
};

}  // namespace zelvio
