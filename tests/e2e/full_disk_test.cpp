// A full disk, made real with a 64 KiB tmpfs filled to its last byte: saving
// the song index, the settings and the playlist fails with the system's text,
// and each old file stays whole.

#include "tests/e2e/driver.h"
#include "tests/e2e/mounts.h"
#include "tests/e2e/per_user_directory.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/utf8.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

const std::string diskFull = systemMessage(ERROR_DISK_FULL);
const std::string oldIndex = joinLines({"a.mp3", "Old Title", "Old Artist", "1:00"});

class FullDiskTest : public ::testing::Test {
protected:
    // Mounts a tmpfs on the directory; false (the test skips) where mounting is refused.
    bool mount(const std::string& directory, const std::string& size) {
        mounts.push_back(std::make_unique<TmpfsMount>(directory, size));
        refused = mounts.back()->refused();
        return refused.empty();
    }
    void start(const std::string& programDirectory) {
        program = std::make_unique<TestProcess>(programDirectory + "\\mpzelvio.exe", programDirectory);
        mainWindow = waitForWindow(*program, "Mp3 Zelvio V 0.93");
    }
    // Answers the error box, which must say the disk is full.
    void expectDiskFull() {
        const MessageBoxView error = waitForMessageBox(*program, "Mp3 Zelvio");
        EXPECT_EQ(error.text, diskFull);
        pressButton(error.window, "OK");
        ASSERT_TRUE(waitUntilClosed(error.window));
    }
    void selectFirstSong() {
        const HWND songs = findControl(mainWindow, "mpsonglist");
        selectItems(songs, {0});
        ASSERT_TRUE(pollUntil([&] { return selectedItems(songs) == std::vector<int>{0}; }, kDefaultTimeout));
    }

    WorkDirectory dir;
    PerUserDirectory perUser;
    std::vector<std::unique_ptr<TmpfsMount>> mounts;  // unmounted after the program has ended
    std::string refused;
    std::unique_ptr<TestProcess> program;
    HWND mainWindow = nullptr;
};

TEST_F(FullDiskTest, AFullMusicDirectoryKeepsItsSongIndexWhole) {
    if (!mount(dir.pathOf("music"), "64k")) GTEST_SKIP() << "no full disk to test on: " << refused;
    dir.writeFile("music\\a.mp3", "x");
    dir.writeFile("music\\index.dat", oldIndex);
    mounts.back()->fill("filler");
    dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.path(), dir.pathOf("music"), "", "", "-hq", "0", "", "",
                                             "", "100", "80", "640", "482"}));
    dir.copyBuilt("mpzelvio.exe", "mpzelvio.exe");
    start(dir.path());
    selectFirstSong();
    chooseMenuItem(mainWindow, {"&File", "&Index Edit"});
    const HWND editor = waitForForm(*program, "Tindexeditor");
    typeText(findControl(editor, "Songnameedit"), "New Title");
    click(findControl(editor, "okbutt"));
    expectDiskFull();
    EXPECT_EQ(dir.readFile("music\\index.dat"), oldIndex);
    EXPECT_FALSE(dir.exists("music\\index.dat.tmp"));
}

TEST_F(FullDiskTest, AFullPerUserDirectoryKeepsTheSettingsAndThePlaylistWhole) {
    const std::string programDir = dir.pathOf("program");
    if (!mount(programDir, "8m")) GTEST_SKIP() << "no read-only program directory: " << refused;
    for (const char* file : {"mpzelvio.exe", "command.com"}) dir.copyBuilt(file, std::string("program\\") + file);
    mounts.back()->makeReadOnly();
    if (!mount(perUser.path(), "64k")) GTEST_SKIP() << "no full disk to test on: " << refused;
    dir.createDirectory("music");
    dir.writeFile("music\\a.mp3", "x");
    const std::string oldSettings = joinLines({"ver 1.5", dir.path(), dir.pathOf("music"), "", "C:\\PLAYER.EXE",
                                               "-old", "0", "", "", "", "100", "80", "640", "482"});
    const std::string oldPlaylist = "old.mp3\r\n";
    writeFileAt(perUser.pathOf("mpzelvio.cfg"), oldSettings);
    writeFileAt(perUser.pathOf("mpzelv.m3u"), oldPlaylist);
    mounts.back()->fill("filler");

    start(programDir);
    EXPECT_FALSE(messageBoxShows(*program, "Mp3 Zelvio"));
    selectFirstSong();
    click(findControl(mainWindow, "mp3play"));
    expectDiskFull();
    EXPECT_EQ(readFileAt(perUser.pathOf("mpzelv.m3u")), oldPlaylist);

    chooseMenuItem(mainWindow, {"&File", "E&xit"});
    expectDiskFull();
    const MessageBoxView question = waitForMessageBox(*program, "Mp3 Zelvio");
    EXPECT_EQ(question.text, "Mp3 Zelvio could not save its settings. Close anyway?");
    pressButton(question.window, "&Yes");
    EXPECT_EQ(program->waitForExit(), 0u);
    EXPECT_EQ(readFileAt(perUser.pathOf("mpzelvio.cfg")), oldSettings);
}

}  // namespace
}  // namespace zelvio::e2e
