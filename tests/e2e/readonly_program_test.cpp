// The main program installed where it may not write, made real with a
// read-only tmpfs: it starts without a word, keeps its settings, playlist and
// recordings in the user's own directory, and plays and encodes as ever.

#include "tests/e2e/driver.h"
#include "tests/e2e/mounts.h"
#include "tests/e2e/per_user_directory.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/short_path_of.h"
#include "tests/e2e/utf8.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

class ReadOnlyProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.createDirectory("music");
        for (const char* song : {"First Song Of All.mp3", "b.mp3"}) dir.writeFile(std::string("music\\") + song, "x");
        dir.copyBuilt("outside_program.exe", "player.exe");
        dir.copyBuilt("test_encoder.exe", "encoder.exe");
        mount = std::make_unique<TmpfsMount>(programDir(), "8m");
        if (!mount->refused().empty()) GTEST_SKIP() << "no read-only directory to test in: " << mount->refused();
        for (const char* file : {"mpzelvio.exe", "command.com"}) dir.copyBuilt(file, std::string("program\\") + file);
        // The first settings, as the installer writes them.
        dir.writeFile("program\\mpzelvio.cfg", installersSettings);
        mount->makeReadOnly();
    }
    std::string programDir() const { return dir.pathOf("program"); }
    // Starts the program from its directory, as its Start Menu item does.
    void start() {
        program = std::make_unique<TestProcess>(dir.pathOf("program\\mpzelvio.exe"), programDir());
        mainWindow = waitForWindow(*program, "Mp3 Zelvio V 0.93");
    }
    void exitProgram() {
        chooseMenuItem(mainWindow, {"&File", "E&xit"});
        EXPECT_EQ(program->waitForExit(), 0u);
    }
    HWND openSettings() {
        click(findControl(mainWindow, "configbutt"));
        return waitForForm(*program, "Tmpconfig");
    }

    WorkDirectory dir;
    PerUserDirectory perUser;
    const std::string installersSettings =
        joinLines({"ver 1.5", dir.pathOf("music"), dir.pathOf("music"), dir.pathOf("encoder.exe"),
                   dir.pathOf("player.exe"), "-hq", "0", "", "", "", "0", "0", "640", "480"});
    std::unique_ptr<TmpfsMount> mount;
    std::unique_ptr<TestProcess> program;
    HWND mainWindow = nullptr;
};

TEST_F(ReadOnlyProgramTest, StartsWithoutABoxAndKeepsAChangedSettingForItsUser) {
    start();
    EXPECT_FALSE(messageBoxShows(*program, "Mp3 Zelvio"));
    EXPECT_FALSE(messageBoxShows(*program, "Information"));
    HWND dialog = openSettings();
    EXPECT_EQ(readText(findControl(dialog, "playeredit")), dir.pathOf("player.exe"));
    typeText(findControl(dialog, "encodeflagedit"), "-V 2");
    click(findControl(dialog, "OKbutt"));
    ASSERT_TRUE(waitUntilClosed(dialog));
    exitProgram();

    const std::vector<std::string> saved = splitLines(readFileAt(perUser.pathOf("mpzelvio.cfg")));
    ASSERT_EQ(saved.size(), 14u);
    EXPECT_EQ(saved[4], dir.pathOf("player.exe"));
    EXPECT_EQ(saved[5], "-V 2");
    EXPECT_EQ(dir.readFile("program\\mpzelvio.cfg"), installersSettings);

    start();
    EXPECT_FALSE(messageBoxShows(*program, "Mp3 Zelvio"));
    dialog = openSettings();
    EXPECT_EQ(readText(findControl(dialog, "encodeflagedit")), "-V 2");
    click(findControl(dialog, "Cancelbutt"));
    ASSERT_TRUE(waitUntilClosed(dialog));
    exitProgram();
}

TEST_F(ReadOnlyProgramTest, SelectedSongsPlayFromTheUsersPlaylistAndARecordingIsEncoded) {
    start();
    chooseMenuItem(mainWindow, {"&Play", "Random Mp3 Play"});  // the list's order
    ASSERT_TRUE(pollUntil([&] { return !findMenuItem(mainWindow, {"&Play", "Random Mp3 Play"}).checked; },
                          kDefaultTimeout));
    const HWND songs = findControl(mainWindow, "mpsonglist");
    selectItems(songs, {0, 1});
    ASSERT_TRUE(pollUntil([&] { return selectedItems(songs) == std::vector<int>{0, 1}; }, kDefaultTimeout));
    click(findControl(mainWindow, "mp3play"));
    ASSERT_TRUE(pollUntil([&] { return dir.exists("player.log"); }, kDefaultTimeout));
    const std::vector<std::string> played = splitLines(dir.readFile("player.log"));
    EXPECT_EQ(played.at(0), shortPathOf(dir.pathOf("player.exe")) + " " + shortPathOf(perUser.path()) + "\\mpzelv.m3u");
    const std::string longSong = shortPathOf(dir.pathOf("music\\First Song Of All.mp3"));
    EXPECT_EQ(splitLines(readFileAt(perUser.pathOf("mpzelv.m3u"))),
              (std::vector<std::string>{"b.mp3", longSong.substr(longSong.rfind('\\') + 1)}));

    chooseMenuItem(mainWindow, {"&File", "&Voice"});
    const HWND recorder = waitForForm(*program, "Tmpvoicerecord");
    click(findControl(recorder, "recordvoicebutt"));
    ASSERT_TRUE(pollUntil([&] { return isEnabled(findControl(recorder, "Stopvoicebutt")); }, kDefaultTimeout));
    EXPECT_NE(GetFileAttributesW(toWide(perUser.pathOf("voice.wav")).c_str()), INVALID_FILE_ATTRIBUTES);
    Sleep(1000);
    click(findControl(recorder, "Stopvoicebutt"));
    ASSERT_TRUE(pollUntil([&] { return isEnabled(findControl(recorder, "Compressvoicebutt")); }, kDefaultTimeout));
    click(findControl(recorder, "Compressvoicebutt"));
    ASSERT_TRUE(pollUntil([&] { return dir.exists("music\\noname.mp3"); }, Milliseconds(15000)));
    EXPECT_FALSE(messageBoxShows(*program, "Mp3 Zelvio"));
    EXPECT_EQ(splitLines(dir.readFile("encoder.log")).at(0), shortPathOf(dir.pathOf("encoder.exe")) + " " +
                                                                   shortPathOf(perUser.path()) + "\\voice.wav " +
                                                                   shortPathOf(dir.pathOf("music")) + "\\noname.mp3 -hq");
    click(findControl(recorder, "okbutt"));
    ASSERT_TRUE(waitUntilClosed(recorder));
    exitProgram();
}

}  // namespace
}  // namespace zelvio::e2e
