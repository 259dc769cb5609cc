// An MP3 directory more than 300 characters deep: the program lists it, plays
// from it, edits its index and encodes into it, as it does a short one.

#include "common/waveheader.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/short_path_of.h"
#include "tests/e2e/utf8.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelvio::e2e {
namespace {

class LongPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Names of more than 8 characters, each with an 8.3 form.
        for (int level = 1; music.size() < dir.path().size() + 300; ++level) {
            if (!music.empty()) music += '\\';
            music += "A folder deep down, level " + std::to_string(level);
            dir.createDirectory(music);
        }
        ASSERT_GT(dir.pathOf(music).size(), 300u);
        dir.writeFile(music + "\\A Long Song Name.mp3", "x");
        dir.writeFile(music + "\\b.mp3", "x");
        dir.writeFile(music + "\\index.dat", joinLines({"b.mp3", "Bee", "Band", "2:00"}));
        dir.createDirectory("waves");
        dir.writeFile("waves\\take1.wav", waveHeader(1, 8000, 8, 8000) + std::string(8000, '\x80'));
        dir.copyBuilt("outside_program.exe", "player.exe");
        dir.copyBuilt("test_encoder.exe", "encoder.exe");
    }
    // Starts the program with the wave pane on `waves` and the MP3 pane deep down.
    void start(const std::string& waves) {
        dir.writeFile("mpzelvio.cfg",
                      joinLines({"ver 1.5", dir.pathOf(waves), dir.pathOf(music), dir.pathOf("encoder.exe"),
                                 dir.pathOf("player.exe"), "-hq", "0", "", "", "", "100", "80", "640", "482"}));
        program = std::make_unique<TestProcess>(programBeside("mpzelvio.exe"), dir.path());
        mainWindow = waitForWindow(*program, "Mp3 Zelvio V 0.93");
        songs = findControl(mainWindow, "mpsonglist");
    }
    void select(HWND list, const std::vector<int>& items) {
        selectItems(list, items);
        ASSERT_TRUE(pollUntil([&] { return selectedItems(list) == items; }, kDefaultTimeout));
    }

    WorkDirectory dir;
    std::string music;  // inside dir
    std::unique_ptr<TestProcess> program;
    HWND mainWindow = nullptr;
    HWND songs = nullptr;
};

TEST_F(LongPathTest, TheSongsAreListedPlayedAndIndexed) {
    start("waves");
    const std::string bee = "Bee" + std::string(29, ' ') + "Band" + std::string(15, ' ') + "2:00";
    ASSERT_TRUE(pollUntil([&] { return listItems(songs) == std::vector<std::string>{"A Long Song Name.mp3", bee}; },
                          kDefaultTimeout))
        << listItems(songs).size();
    EXPECT_FALSE(messageBoxShows(*program, "Mp3 Zelvio"));
    // The directory list shows where it is by its long names.
    const std::vector<std::string> opened = listItems(findControl(mainWindow, "mp3dir"));
    EXPECT_NE(std::find(opened.begin(), opened.end(), music.substr(music.rfind('\\') + 1)), opened.end());

    chooseMenuItem(mainWindow, {"&Play", "Random Mp3 Play"});  // the list's order
    ASSERT_TRUE(pollUntil([&] { return !findMenuItem(mainWindow, {"&Play", "Random Mp3 Play"}).checked; },
                          kDefaultTimeout));
    select(songs, {0, 1});
    click(findControl(mainWindow, "mp3play"));
    ASSERT_TRUE(pollUntil([&] { return dir.exists("player.log"); }, kDefaultTimeout));
    const std::vector<std::string> played = splitLines(dir.readFile("player.log"));
    EXPECT_EQ(played.at(0), shortPathOf(dir.pathOf("player.exe")) + " " + shortPathOf(dir.path()) + "\\mpzelv.m3u");
    // A working directory this long is more than a process can start in: the player gets its 8.3 form.
    EXPECT_EQ(played.at(1), shortPathOf(dir.pathOf(music)));
    const std::string longSong = shortPathOf(dir.pathOf(music + "\\A Long Song Name.mp3"));
    EXPECT_EQ(splitLines(dir.readFile("mpzelv.m3u")),
              (std::vector<std::string>{longSong.substr(longSong.rfind('\\') + 1), "b.mp3"}));

    select(songs, {0});
    chooseMenuItem(mainWindow, {"&File", "&Index Edit"});
    const HWND editor = waitForForm(*program, "Tindexeditor");
    EXPECT_EQ(readText(findControl(editor, "Filenameedit")), "A Long Song Name.mp3");
    typeText(findControl(editor, "Songnameedit"), "Deep Song");
    click(findControl(editor, "okbutt"));
    ASSERT_TRUE(waitUntilClosed(editor));
    EXPECT_EQ(dir.readFile(music + "\\index.dat"),
              joinLines({"b.mp3", "Bee", "Band", "2:00", "A Long Song Name.mp3", "Deep Song", "", ""}));
    EXPECT_TRUE(pollUntil([&] { return listItems(songs).at(0).starts_with("Deep Song"); }, kDefaultTimeout));
}

TEST_F(LongPathTest, AWaveIsEncodedIntoIt) {
    start("waves");
    const HWND waves = findControl(mainWindow, "recfilelist");
    select(waves, {0});
    click(findControl(mainWindow, "compilebutt"));
    pressButton(waitForMessageBox(*program, "Confirm").window, "&Yes");
    const HWND dialog = waitForForm(*program, "TIndexdata");
    click(findControl(dialog, "compresnow"));
    ASSERT_TRUE(pollUntil([&] { return dir.exists(music + "\\take1.mp3"); }, Milliseconds(15000)))
        << readText(findControl(waitForForm(*program, "Tcompressinfo"), "outputmemo"));
    ASSERT_TRUE(pollUntil([&] { return !isVisible(findControl(dialog, "stopbutt")); }, Milliseconds(15000)));
    EXPECT_EQ(splitLines(dir.readFile("encoder.log")).at(0),
              shortPathOf(dir.pathOf("encoder.exe")) + " " + shortPathOf(dir.pathOf("waves\\take1.wav")) + " " +
                  shortPathOf(dir.pathOf(music)) + "\\take1.mp3 -hq");
    click(findControl(dialog, "Okbutt"));
    ASSERT_TRUE(waitUntilClosed(dialog));
    EXPECT_TRUE(pollUntil([&] { return listItems(songs).size() == 3u; }, kDefaultTimeout));
}

// The wave device opens no name this long: it gets the 8.3 form.
TEST_F(LongPathTest, AWaveInItPlays) {
    dir.writeFile(music + "\\deep.wav", waveHeader(1, 8000, 8, 16000) + std::string(16000, '\x80'));
    start(music);
    const HWND waves = findControl(mainWindow, "recfilelist");
    ASSERT_TRUE(pollUntil([&] { return listItems(waves) == std::vector<std::string>{"deep.wav"}; }, kDefaultTimeout));
    select(waves, {0});
    click(findControl(mainWindow, "recplay"));
    EXPECT_TRUE(pollUntil([&] { return isEnabled(findControl(mainWindow, "recstop")); }, kDefaultTimeout));
    EXPECT_FALSE(messageBoxShows(*program, "Mp3 Zelvio", Milliseconds(500)));
    // Played to its end: Play is back.
    EXPECT_TRUE(pollUntil([&] { return isEnabled(findControl(mainWindow, "recplay")); }, Milliseconds(6000)));
}

}  // namespace
}  // namespace zelvio::e2e
