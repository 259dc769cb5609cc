// The settings file, the first start and the settings dialog, in the real
// program on the real file system.

#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/utf8.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

const char* const firstRunText =
    "Thank you for taking the time to try out MP Zelvio. The next step is setting up the mp3 encoder and player, "
    "next i will bring up the MP Zelvio config. In here you have to tell me where player and encoder are, If you "
    "have not already installed the encoder and player do so now.";

class SettingsTest : public ::testing::Test {
protected:
    // Starts the program in the work directory.
    void launch() { program = std::make_unique<TestProcess>(programBeside("mpzelvio.exe"), dir.path()); }
    void waitForMainWindow() { mainWindow = waitForWindow(*program, "Mp3 Zelvio V 0.93"); }
    void start() {
        launch();
        waitForMainWindow();
    }
    // Answers the first-start greeting and returns the settings dialog it opens.
    HWND passGreeting() {
        const MessageBoxView greeting = waitForMessageBox(*program, "Information");
        EXPECT_EQ(greeting.text, firstRunText);
        EXPECT_EQ(greeting.buttons, std::vector<std::string>{"OK"});
        pressButton(greeting.window, "OK");
        return waitForForm(*program, "Tmpconfig");
    }
    void closeDialog(HWND dialog, const char* button) {
        click(findControl(dialog, button));
        ASSERT_TRUE(waitUntilClosed(dialog));
    }
    void exitProgram() {
        chooseMenuItem(mainWindow, {"&File", "E&xit"});
        EXPECT_EQ(program->waitForExit(), 0u);
    }
    std::vector<std::string> savedSettings() { return splitLines(dir.readFile("mpzelvio.cfg")); }
    // Read at the start, the file goes, so that only the exit's write brings it back.
    void removeSettings() {
        ASSERT_TRUE(DeleteFileW(toWide(dir.pathOf("mpzelvio.cfg")).c_str()));
    }

    WorkDirectory dir;
    std::unique_ptr<TestProcess> program;
    HWND mainWindow = nullptr;
};

TEST_F(SettingsTest, AFirstStartGreetsOpensTheDialogAndSavesAtExit) {
    start();
    const HWND dialog = passGreeting();
    EXPECT_EQ(windowCaption(dialog), std::string(35, ' ') + "Mp3 Zelvio Config");
    const RECT client = clientRect(dialog);
    EXPECT_EQ(client.right - client.left, 385);
    EXPECT_EQ(client.bottom - client.top, 261);
    EXPECT_EQ(readText(findControl(dialog, "encodeflagedit")), "-hq");
    closeDialog(dialog, "Cancelbutt");
    EXPECT_FALSE(pollUntil([&] { return dir.exists("mpzelvio.cfg"); }, kQuietWatch)) << "written before the exit";
    exitProgram();

    const std::vector<std::string> lines = savedSettings();
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "ver 1.5");
    EXPECT_EQ(lines[1], dir.path());
    EXPECT_EQ(lines[2], dir.path());
    EXPECT_EQ(lines[5], "-hq");
    EXPECT_EQ(lines[6], "0");
}

TEST_F(SettingsTest, ABrowsedPathIsStoredByOkAndSaved) {
    start();
    const HWND dialog = passGreeting();
    click(findControl(dialog, "mp3playselect"));
    const MessageBoxView hint = waitForMessageBox(*program, "Information");
    EXPECT_EQ(hint.text.rfind("If you do not know how to find the player", 0), 0u) << hint.text;
    pressButton(hint.window, "OK");

    const std::string player = dir.pathOf("winplay3.exe");
    dir.writeFile("winplay3.exe", "MZ");
    chooseFile(waitForOpenDialog(*program), player);
    EXPECT_EQ(waitForText(findControl(dialog, "playeredit"), player), player);
    typeText(findControl(dialog, "encodeflagedit"), "-br 128");
    closeDialog(dialog, "OKbutt");
    exitProgram();

    const std::vector<std::string> lines = savedSettings();
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[4], player);
    EXPECT_EQ(lines[5], "-br 128");
}

TEST_F(SettingsTest, ACorruptFileIsReportedOnceThenTheFirstStartFollows) {
    dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.path(), dir.path(), "", "", "-hq", "X"}));
    launch();
    // Reported while the main window is being created, before it shows.
    const MessageBoxView error = waitForMessageBox(*program, "Mp3 Zelvio", kStartTimeout);
    EXPECT_EQ(error.text, "'X' is not a valid integer value.");
    EXPECT_EQ(error.buttons, std::vector<std::string>{"OK"});
    pressButton(error.window, "OK");

    waitForMainWindow();
    const HWND dialog = passGreeting();
    EXPECT_FALSE(messageBoxShows(*program, "Mp3 Zelvio"));
    closeDialog(dialog, "Cancelbutt");
    exitProgram();
    EXPECT_EQ(savedSettings().size(), 14u);
}

TEST_F(SettingsTest, AMissingDirectoryIsReportedBeforeTheWindowAndTheRestOfTheFileStands) {
    dir.createDirectory("waves");
    const std::vector<std::string> lines = {"ver 1.5", dir.pathOf("waves"), dir.pathOf("gone"), "", "", "-hq", "0",
                                            "", "", "C:\\MIXER\\SNDVOL32.EXE", "100", "80", "640", "482"};
    dir.writeFile("mpzelvio.cfg", joinLines(lines));
    launch();
    // Reported while the main window is being created, before it shows.
    const MessageBoxView error = waitForMessageBox(*program, "Mp3 Zelvio", kStartTimeout);
    EXPECT_FALSE(findTopLevel(*program, [](HWND w) { return windowCaption(w) == "Mp3 Zelvio V 0.93"; }));
    EXPECT_GT(error.text.size(), 1u);
    EXPECT_EQ(error.text.back(), '.');
    pressButton(error.window, "OK");

    waitForMainWindow();
    // The settings were read: no greeting, the window where it was, the MP3 pane where it started.
    EXPECT_FALSE(messageBoxShows(*program, "Information"));
    EXPECT_EQ(windowRect(mainWindow).left, 100);
    EXPECT_EQ(listItems(findControl(mainWindow, "recdir")).back(), "waves");
    exitProgram();
    std::vector<std::string> saved = lines;
    saved[2] = dir.path();
    EXPECT_EQ(savedSettings(), saved);
}

TEST_F(SettingsTest, SavedSettingsAndWindowBoundsComeBack) {
    dir.writeFile("mpzelvio.cfg", settingsWithMixer(dir.path(), "C:\\MIXER\\SNDVOL32.EXE"));
    start();
    const RECT bounds = windowRect(mainWindow);
    EXPECT_EQ(bounds.left, 100);
    EXPECT_EQ(bounds.top, 80);
    EXPECT_EQ(bounds.right - bounds.left, 640);
    EXPECT_EQ(bounds.bottom - bounds.top, 482);
    removeSettings();
    exitProgram();
    EXPECT_EQ(dir.readFile("mpzelvio.cfg"), settingsWithMixer(dir.path(), "C:\\MIXER\\SNDVOL32.EXE"));
}

TEST_F(SettingsTest, ADirectoryNamedInAnyScriptIsKeptAcrossRestarts) {
    const std::string music = "Музыка 音楽";
    dir.createDirectory(music);
    const std::string settings = joinLines({"ver 1.5", dir.path(), dir.pathOf(music), "", "", "-hq", "0", "", "", "",
                                            "100", "80", "640", "482"});
    dir.writeFile("mpzelvio.cfg", settings);
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        start();
        EXPECT_FALSE(messageBoxShows(*program, "Mp3 Zelvio"));
        removeSettings();
        exitProgram();
        EXPECT_EQ(dir.readFile("mpzelvio.cfg"), settings);
    }
}

// "mpzelvio.cfg" held open by another program at Exit: after the error the
// user chooses between staying and leaving unsaved, and the file stays whole.
TEST_F(SettingsTest, SettingsThatCannotBeSavedAtExitLeaveTheChoiceToTheUser) {
    const std::string settings = settingsWithMixer(dir.path(), "C:\\MIXER\\SNDVOL32.EXE");
    dir.writeFile("mpzelvio.cfg", settings);
    start();
    HeldFile held(dir.pathOf("mpzelvio.cfg"));
    // Chooses Exit, answers the error and returns the question that follows.
    auto exitRefused = [&] {
        chooseMenuItem(mainWindow, {"&File", "E&xit"});
        const MessageBoxView error = waitForMessageBox(*program, "Mp3 Zelvio");
        EXPECT_TRUE(error.text == systemMessage(ERROR_SHARING_VIOLATION) ||
                    error.text == systemMessage(ERROR_ACCESS_DENIED))
            << error.text;
        EXPECT_EQ(error.buttons, std::vector<std::string>{"OK"});
        pressButton(error.window, "OK");
        EXPECT_TRUE(waitUntilClosed(error.window));
        const MessageBoxView question = waitForMessageBox(*program, "Mp3 Zelvio");
        EXPECT_EQ(question.text, "Mp3 Zelvio could not save its settings. Close anyway?");
        EXPECT_EQ(question.buttons, (std::vector<std::string>{"&Yes", "&No"}));
        return question.window;
    };

    const HWND stay = exitRefused();
    pressButton(stay, "&No");
    ASSERT_TRUE(waitUntilClosed(stay));
    EXPECT_FALSE(pollUntil([&] { return !program->running(); }, Milliseconds(1000)));
    ASSERT_TRUE(isVisible(mainWindow));
    ASSERT_TRUE(pollUntil([&] { return isEnabled(mainWindow); }, kDefaultTimeout));

    pressButton(exitRefused(), "&Yes");
    EXPECT_EQ(program->waitForExit(), 0u);
    held.release();
    EXPECT_EQ(dir.readFile("mpzelvio.cfg"), settings);
}

}  // namespace
}  // namespace zelvio::e2e
