// The toolkit stand-in: frames, what a user does to a small form, the message
// loop, and modal things answered by scripts, with every unscripted one
// recorded as a problem.

#include "common/errors.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zelvio {
namespace {

using Texts = std::vector<std::string>;

FormDesign mainDesign() {
    return {.name = "TMain", .caption = "Main", .bounds = {10, 10, 640, 482}, .keyPreview = true};
}

std::vector<ControlDesign> mainControls() {
    return {
        {.name = "filemenu", .kind = ControlKind::Menu, .caption = "&File"},
        {.name = "nameedit", .kind = ControlKind::Edit, .bounds = {8, 8, 120, 21}},
        {.name = "frame", .kind = ControlKind::GroupBox, .bounds = {8, 40, 200, 80}, .flags = flags::Hidden},
        {.name = "framedbutt", .kind = ControlKind::Button, .bounds = {8, 16, 75, 25}, .parent = "frame"},
        {.name = "hiddenbutt", .kind = ControlKind::Button, .bounds = {8, 130, 75, 25}, .flags = flags::Hidden},
        {.name = "lockededit", .kind = ControlKind::Edit, .bounds = {8, 160, 120, 21}, .flags = flags::Disabled},
        {.name = "titlelabel", .kind = ControlKind::Label, .caption = "Title"},
        {.name = "okbutt", .kind = ControlKind::Button, .bounds = {8, 190, 75, 25}, .caption = "OK"},
    };
}

class HeadlessToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.setTitle("Tester");
        app.createForm(main);
        app.createForm(dialog);
        dialog["closebutt"].onClick = [this] { dialog.close(); };
    }

    HeadlessPlatform headless;
    HeadlessToolkit& toolkit = headless.toolkit;
    Application app{headless.platform()};
    Form main{app, mainDesign(), mainControls()};
    Form dialog{app,
                {.name = "Tdialog", .caption = "Dialog", .client = {300, 200}, .border = BorderStyle::Dialog},
                {{.name = "closebutt", .kind = ControlKind::Button, .bounds = {8, 8, 75, 25}, .caption = "Close"}}};
    Texts events;
};

// --- Frames ------------------------------------------------------------------

TEST_F(HeadlessToolkitTest, TheFrameTakesItsBorderAndMenuBarFromTheClientArea) {
    EXPECT_EQ(main.bounds(), (Rect{10, 10, 640, 482}));
    EXPECT_EQ(main.clientSize(), (Size{632, 442}));
    EXPECT_EQ(dialog.bounds().width, 306);  // the client area was designed; the frame goes around it
    EXPECT_EQ(dialog.bounds().height, 219);
    EXPECT_EQ(dialog.clientSize(), (Size{300, 200}));
    const Form plain(app, {.name = "TPlain"}, {});
    EXPECT_EQ(HeadlessToolkit::frameExtra(plain), (Size{8, 21}));
}

// --- What a user does --------------------------------------------------------

TEST_F(HeadlessToolkitTest, ControlsThatCannotTakeInputIgnoreClicks) {
    main.show();
    for (const char* name : {"okbutt", "framedbutt", "hiddenbutt"}) {
        main[name].onClick = [this, name] { events.push_back(name); };
    }
    main["okbutt"].setEnabled(false);
    main["okbutt"].click();
    main["framedbutt"].click();  // its frame is hidden
    main["hiddenbutt"].click();
    EXPECT_TRUE(events.empty());
    main["okbutt"].setEnabled(true);
    main["okbutt"].click();
    EXPECT_EQ(events, Texts{"okbutt"});
}

TEST_F(HeadlessToolkitTest, PressingAButtonTakesTheFocusAndEndsTheEditFirst) {
    main.show();
    EXPECT_TRUE(main["nameedit"].focused());
    main["nameedit"].onExit = [this] { events.push_back("nameedit exit"); };
    main["okbutt"].onClick = [this] { events.push_back("okbutt click"); };
    main["okbutt"].click();
    EXPECT_EQ(events, (Texts{"nameedit exit", "okbutt click"}));
    EXPECT_TRUE(main["okbutt"].focused());
}

TEST_F(HeadlessToolkitTest, TabSkipsControlsThatCannotTakeTheFocus) {
    main.show();
    main.pressKey('\t');
    EXPECT_EQ(main.focusedControl(), &main["okbutt"]);
    main.pressKey('\t');
    EXPECT_EQ(main.focusedControl(), &main["nameedit"]);
    main["frame"].setVisible(true);
    main.pressKey('\t');
    EXPECT_EQ(main.focusedControl(), &main["framedbutt"]);
}

TEST_F(HeadlessToolkitTest, TheKeyPreviewCanSwallowOrChangeAKey) {
    main.onKeyPress = [](char& key) {
        if (key == 'x') key = 0;
        if (key == 'a') key = 'b';
    };
    main.show();
    for (char key : std::string("xaxc")) main.pressKey(key);
    EXPECT_EQ(main["nameedit"].text(), "bc");
}

TEST_F(HeadlessToolkitTest, AFailingHandlerReachesTheExceptionHandler) {
    main["okbutt"].onClick = [] { throw InOutError("Access is denied"); };
    main["okbutt"].click();  // without a handler of its own, the application shows the error
    ASSERT_EQ(toolkit.messageBoxes().size(), 1u);
    const MessageBoxRequest& box = toolkit.messageBoxes()[0];
    EXPECT_EQ(box.kind, MessageKind::PlainError);
    EXPECT_EQ(box.title, "Tester");
    EXPECT_EQ(box.text, "Access is denied.");

    app.setExceptionHandler([this](const std::exception& error) { events.push_back(error.what()); });
    main["okbutt"].click();
    EXPECT_EQ(events, Texts{"Access is denied"});
    EXPECT_EQ(toolkit.messageBoxes().size(), 1u);
    EXPECT_TRUE(toolkit.problems().empty());
}

// --- The message loop --------------------------------------------------------

TEST_F(HeadlessToolkitTest, ClosingTheMainWindowEndsTheProgram) {
    main.onClose = [this] { events.push_back("closed"); };
    toolkit.post([this] { main.requestClose(); });
    toolkit.post([this] { events.push_back("after the end"); });
    app.run();
    EXPECT_TRUE(app.terminated());
    EXPECT_TRUE(toolkit.quitRequested());
    EXPECT_EQ(events, Texts{"closed"});
}

TEST_F(HeadlessToolkitTest, AMessageLoopWithNothingToDoReturns) {
    app.run();
    EXPECT_TRUE(main.visible());
    EXPECT_FALSE(app.terminated());
}

TEST_F(HeadlessToolkitTest, ProcessMessagesRunsTheEventsThatWereWaiting) {
    toolkit.post([this] {
        events.push_back("a");
        toolkit.post([this] { events.push_back("c"); });
    });
    toolkit.post([this] { events.push_back("b"); });
    app.processMessages();
    EXPECT_EQ(events, (Texts{"a", "b"}));
    toolkit.post([] { throw std::runtime_error("boom"); });
    app.processMessages();
    EXPECT_EQ(events, (Texts{"a", "b", "c"}));
    EXPECT_EQ(toolkit.problems(), Texts{"a posted event failed: boom"});
}

// --- Modal forms -------------------------------------------------------------

TEST_F(HeadlessToolkitTest, AFormMadeWhenShownGetsItsWindowAtItsFirstShowingOnly) {
    Form later{app,
               {.name = "Tlater", .client = {300, 200}, .border = BorderStyle::Dialog},
               {{.name = "okbutt", .kind = ControlKind::Button, .bounds = {8, 8, 75, 25}, .caption = "OK"}}};
    later.onCreate = [this] { events.push_back("created"); };
    later.onShow = [this, &later] { events.push_back(later.peer() != nullptr ? "shown with a window" : "no window"); };
    app.createFormWhenShown(later);
    EXPECT_EQ(app.forms().back(), &later);
    EXPECT_EQ(app.mainForm(), &main);
    EXPECT_EQ(toolkit.windowsCreated(), (Texts{"TMain", "Tdialog"}));
    EXPECT_EQ(later.clientSize(), (Size{300, 200}));  // its design's, with no frame yet
    later["okbutt"].setEnabled(false);                // kept for the window to come

    toolkit.whenShownModally("Tlater", [](Form& shown) { shown.close(); });
    app.showModal(later);
    EXPECT_EQ(toolkit.windowsCreated(), (Texts{"TMain", "Tdialog", "Tlater"}));
    EXPECT_EQ(later.bounds().width, 306);  // framed now
    EXPECT_FALSE(later["okbutt"].enabled());
    later.show();
    later.close();
    EXPECT_EQ(toolkit.windowsCreated().size(), 3u);
    EXPECT_EQ(events, (Texts{"created", "shown with a window", "shown with a window"}));
}

TEST_F(HeadlessToolkitTest, AModalFormWhoseScriptClosesItReturns) {
    toolkit.whenShownModally("Tdialog", [this](Form& shown) {
        events.push_back(shown.modal() && shown.visible() ? "shown modally" : "not shown");
        shown["closebutt"].click();
    });
    app.showModal(dialog);
    EXPECT_FALSE(dialog.visible());
    EXPECT_FALSE(dialog.modal());
    EXPECT_EQ(events, Texts{"shown modally"});
    EXPECT_EQ(toolkit.modalShows(), Texts{"Tdialog"});
    EXPECT_TRUE(toolkit.problems().empty());
}

TEST_F(HeadlessToolkitTest, AModalFormNobodyClosesIsClosedAndRecorded) {
    app.showModal(dialog);  // no script
    EXPECT_FALSE(dialog.visible());
    toolkit.whenShownModally("Tdialog", [](Form&) {});
    app.showModal(dialog);
    EXPECT_FALSE(dialog.visible());
    dialog.onClose = [] { throw std::runtime_error("refused"); };
    app.showModal(dialog);  // a failing close cannot keep it open
    EXPECT_FALSE(dialog.visible());
    EXPECT_EQ(toolkit.problems(),
              (Texts{"modal form Tdialog was not scripted", "modal form Tdialog was left open",
                     "modal form Tdialog was not scripted", "modal form Tdialog failed to close: refused"}));
    EXPECT_EQ(toolkit.modalShows().size(), 3u);
}

// A test whose checks sit in a script must fail when nothing uses the script.
TEST_F(HeadlessToolkitTest, ScriptsAndAnswersNeverUsedAreProblemsThatClearRecordsKeeps) {
    for (int i = 0; i < 2; ++i) toolkit.whenShownModally("Tdialog", [](Form& shown) { shown["closebutt"].click(); });
    toolkit.answerMessageBox(MessageResult::Yes);
    toolkit.answerOpenDialog("C:\\NEW\\PLAYER.EXE");
    toolkit.answerOpenDialog(std::nullopt);
    toolkit.answerPopupMenu("playitem");
    app.showModal(dialog);
    toolkit.recordUnusedScripts();
    toolkit.clearRecords();
    EXPECT_TRUE(toolkit.modalShows().empty());
    const Texts unused{"the script for modal form Tdialog was never used", "the message box answer Yes was never used",
                       "the open-file answer \"C:\\NEW\\PLAYER.EXE\" was never used",
                       "the open-file answer Cancel was never used", "the pop-up menu answer playitem was never used"};
    EXPECT_EQ(toolkit.problems(), unused);
    toolkit.recordUnusedScripts();  // each is told once
    EXPECT_EQ(toolkit.problems(), unused);
}

// --- Message boxes and open-file dialogs -------------------------------------

TEST_F(HeadlessToolkitTest, MessageBoxesTakeTheScriptedAnswersInOrder) {
    toolkit.answerMessageBox(MessageResult::Yes);
    toolkit.answerMessageBox(MessageResult::Cancel);
    EXPECT_EQ(app.messageBox(MessageKind::Confirm, "Delete?", MessageButtons::YesNo), MessageResult::Yes);
    EXPECT_EQ(app.messageBox(MessageKind::Warning, "Go on?", MessageButtons::YesCancel), MessageResult::Cancel);
    EXPECT_EQ(app.messageBox(MessageKind::Information, "Done", MessageButtons::Ok), MessageResult::Ok);
    ASSERT_EQ(toolkit.messageBoxes().size(), 3u);
    EXPECT_EQ(toolkit.messageBoxes()[0].title, "Confirm");
    EXPECT_EQ(toolkit.messageBoxes()[1].buttons, MessageButtons::YesCancel);
    EXPECT_EQ(toolkit.messageBoxes()[2].text, "Done");
    EXPECT_TRUE(toolkit.problems().empty());  // a box with OK alone needs no answer
}

TEST_F(HeadlessToolkitTest, UnansweredOrWronglyAnsweredBoxesGetTheSafestAnswer) {
    EXPECT_EQ(app.messageBox(MessageKind::Confirm, "Delete?", MessageButtons::YesNo), MessageResult::No);
    EXPECT_EQ(app.messageBox(MessageKind::Warning, "Go on?", MessageButtons::YesCancel), MessageResult::Cancel);
    toolkit.answerMessageBox(MessageResult::Cancel);
    EXPECT_EQ(app.messageBox(MessageKind::Confirm, "Delete?", MessageButtons::YesNo), MessageResult::No);
    toolkit.answerMessageBox(MessageResult::Yes);
    EXPECT_EQ(app.messageBox(MessageKind::Information, "Done", MessageButtons::Ok), MessageResult::Ok);
    EXPECT_EQ(toolkit.problems(), (Texts{"message box \"Delete?\" was not answered; it got No",
                                         "message box \"Go on?\" was not answered; it got Cancel",
                                         "message box \"Delete?\" has no button Cancel; it got No",
                                         "message box \"Done\" has no button Yes; it got Ok"}));
}

TEST_F(HeadlessToolkitTest, OpenFileDialogsTakeTheScriptedPathsOrCancel) {
    toolkit.answerOpenDialog("C:\\NEW\\PLAYER.EXE");
    toolkit.answerOpenDialog(std::nullopt);
    const OpenFileRequest request{"Programs|*.exe|All files|*.*", "C:\\OLD\\PLAYER.EXE"};
    EXPECT_EQ(app.openFileDialog(request), "C:\\NEW\\PLAYER.EXE");
    EXPECT_EQ(app.openFileDialog(request), std::nullopt);
    EXPECT_TRUE(toolkit.problems().empty());
    EXPECT_EQ(app.openFileDialog(request), std::nullopt);
    EXPECT_EQ(toolkit.problems(), Texts{"open-file dialog on \"C:\\OLD\\PLAYER.EXE\" was not answered; it was cancelled"});
    ASSERT_EQ(toolkit.openDialogs().size(), 3u);
    EXPECT_EQ(toolkit.openDialogs()[0].filter, request.filter);
}

}  // namespace
}  // namespace zelvio
