// Starting the mixer from the real program: a failed start's warning, and a
// real program started without a word.

#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

class MixerTest : public ::testing::Test {
protected:
    void start(const std::string& mixer) {
        dir.writeFile("mpzelvio.cfg", settingsWithMixer(dir.path(), mixer));
        program = std::make_unique<TestProcess>(programBeside("mpzelvio.exe"), dir.path());
        mainWindow = waitForWindow(*program, "Mp3 Zelvio V 0.93");
    }

    WorkDirectory dir;
    std::unique_ptr<TestProcess> program;
    HWND mainWindow = nullptr;
};

TEST_F(MixerTest, AnEmptyMixerPathShowsTheWarning) {
    start("");
    chooseMenuItem(mainWindow, {"&File", "&Mixer"});
    const MessageBoxView warning = waitForMessageBox(*program, "Warning");
    EXPECT_EQ(warning.text, "Error executing the mixer the message was :The specified file was not found.");
    EXPECT_EQ(warning.buttons, std::vector<std::string>{"OK"});
    pressButton(warning.window, "OK");
    ASSERT_TRUE(waitUntilClosed(warning.window));
    EXPECT_TRUE(isEnabled(mainWindow));
}

TEST_F(MixerTest, ARealMixerStartsWithoutAMessage) {
    ASSERT_TRUE(CopyFileA(programBeside("outside_program.exe").c_str(), dir.pathOf("mixer.exe").c_str(), FALSE));
    start(dir.pathOf("mixer.exe"));
    click(findControl(mainWindow, "mixerbutt"));
    ASSERT_TRUE(pollUntil([&] { return dir.exists("mixer.log"); }, kDefaultTimeout)) << "the mixer did not start";
    // Started with the short form of its path and no arguments.
    char shortPath[MAX_PATH] = {};
    GetShortPathNameA(dir.pathOf("mixer.exe").c_str(), shortPath, MAX_PATH);
    EXPECT_EQ(splitLines(dir.readFile("mixer.log")).at(0), shortPath);
    EXPECT_FALSE(messageBoxShows(*program, "Warning"));

    chooseMenuItem(mainWindow, {"&Help", "&Index"});
    const MessageBoxView help = waitForMessageBox(*program, "Information");
    EXPECT_EQ(help.text, "Sorry function not yet implemented.");
    pressButton(help.window, "OK");
}

}  // namespace
}  // namespace zelvio::e2e
