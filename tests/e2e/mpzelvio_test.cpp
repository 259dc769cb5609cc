// mpzelvio.exe as a user meets it: it starts with its main window and ends
// from its File menu.

#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/utf8.h"
#include "tests/unit/mp3_bytes.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

constexpr const char* kMainCaption = "Mp3 Zelvio V 0.93";

// Started without "mpzelvio.cfg", the program greets the user with an
// information box and then opens its settings dialog. This answers both, so a
// test can go on with the main window.
void passFirstStart(const TestProcess& program) {
    pressButton(waitForMessageBox(program, "Information").window, "OK");
    const HWND settings = waitForForm(program, "Tmpconfig");
    click(findControl(settings, "Cancelbutt"));
    if (!waitUntilClosed(settings))
        throw DriverError("the settings dialog stays open after Cancel; " + describeWindows(program.id()));
}

class MainProgramTest : public ::testing::Test {
protected:
    WorkDirectory dir;
    TestProcess program{programBeside("mpzelvio.exe"), dir.path()};
    HWND mainWindow = startedMainWindow();

    HWND startedMainWindow() {
        const HWND window = waitForWindow(program, kMainCaption);
        passFirstStart(program);
        return window;
    }
};

TEST_F(MainProgramTest, ShowsItsMainWindowUnderTheApplicationWindow) {
    const HWND application = waitForTopLevel(
        program, [](HWND window) { return windowClass(window) == "TApplication"; }, "application window",
        kDefaultTimeout);
    EXPECT_EQ(windowCaption(application), "Mp3 Zelvio");
    const RECT size = windowRect(application);
    EXPECT_EQ(size.right - size.left, 0);
    EXPECT_EQ(size.bottom - size.top, 0);

    EXPECT_EQ(GetWindow(mainWindow, GW_OWNER), application);
    EXPECT_EQ(designName(mainWindow), "TForm1");
    EXPECT_TRUE(isEnabled(mainWindow));
}

TEST_F(MainProgramTest, FileExitEndsTheProgram) {
    chooseMenuItem(mainWindow, {"&File", "E&xit"});
    EXPECT_EQ(program.waitForExit(), 0u);
}

// A music directory with an index, a stand-in player that records how it
// was started, and the program pointed at both.
class MusicPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.createDirectory("music");
        for (const char* name : {"b.mp3", "Song.mp3", "A Long Song Name.mp3", "cover.jpg"}) {
            dir.writeFile(std::string("music\\") + name, "x");
        }
        dir.writeFile("music\\index.dat", joinLines({"song.mp3", "The Title", "The Artist", "3:45"}));
        dir.createDirectory("music\\live");
        dir.writeFile("music\\live\\encore.mp3", "x");
        dir.writeFile("music\\live\\setlist.txt", "x");
        ASSERT_TRUE(CopyFileW(toWide(programBeside("outside_program.exe")).c_str(),
                              toWide(dir.pathOf("player.exe")).c_str(), FALSE));
        dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.path(), dir.pathOf("music"), "",
                                                 dir.pathOf("player.exe"), "-hq", "0", "", "", "", "100", "80", "640",
                                                 "482"}));
        program = std::make_unique<TestProcess>(programBeside("mpzelvio.exe"), dir.path());
        mainWindow = waitForWindow(*program, kMainCaption);
        songs = findControl(mainWindow, "mpsonglist");
    }
    // The player's log: its command line, then its working directory.
    std::vector<std::string> waitForPlayer() {
        if (!pollUntil([&] { return dir.exists("player.log"); }, kDefaultTimeout))
            throw DriverError("the player was not started; " + describeWindows(program->id()));
        const auto log = splitLines(dir.readFile("player.log"));
        DeleteFileW(toWide(dir.pathOf("player.log")).c_str());
        return log;
    }

    WorkDirectory dir;
    std::unique_ptr<TestProcess> program;
    HWND mainWindow = nullptr;
    HWND songs = nullptr;
};

TEST_F(MusicPaneTest, SongsAreListedByTheirIndexAndPlayedThroughThePlayer) {
    const std::string titled = "The Title" + std::string(23, ' ') + "The Artist" + std::string(9, ' ') + "3:45";
    EXPECT_EQ(listItems(songs), (std::vector<std::string>{"A Long Song Name.mp3", "b.mp3", titled}));

    // Off, so that the player gets the list's order.
    ASSERT_TRUE(findMenuItem(mainWindow, {"&Play", "Random Mp3 Play"}).checked);
    chooseMenuItem(mainWindow, {"&Play", "Random Mp3 Play"});
    ASSERT_TRUE(pollUntil([&] { return !findMenuItem(mainWindow, {"&Play", "Random Mp3 Play"}).checked; },
                          kDefaultTimeout));
    selectItems(songs, {0, 2});
    ASSERT_TRUE(pollUntil([&] { return selectedItems(songs) == std::vector<int>{0, 2}; }, kDefaultTimeout));
    click(findControl(mainWindow, "mp3play"));
    const auto log = waitForPlayer();
    wchar_t shortPath[MAX_PATH] = {};
    GetShortPathNameW(toWide(dir.pathOf("player.exe")).c_str(), shortPath, MAX_PATH);
    char shortDir[MAX_PATH] = {};
    GetShortPathNameA(dir.path().c_str(), shortDir, MAX_PATH);
    EXPECT_EQ(log.at(0), toUtf8(shortPath) + " " + shortDir + "\\mpzelv.m3u");
    EXPECT_EQ(log.at(1), dir.pathOf("music"));
    wchar_t shortSong[MAX_PATH] = {};
    GetShortPathNameW(toWide(dir.pathOf("music\\A Long Song Name.mp3")).c_str(), shortSong, MAX_PATH);
    const std::string shortName = toUtf8(shortSong).substr(toUtf8(shortSong).rfind('\\') + 1);
    EXPECT_EQ(splitLines(dir.readFile("mpzelv.m3u")), (std::vector<std::string>{shortName, "Song.mp3"}));

    // The pop-up menu's "&Play" plays as well.
    rightClickItem(songs, 1);
    choosePopupItem(*program, songs, L'p');
    EXPECT_EQ(waitForPlayer().at(1), dir.pathOf("music"));
}

TEST_F(MusicPaneTest, F2ShowsAFileAddedSince) {
    dir.writeFile("music\\new.mp3", "x");
    EXPECT_FALSE(pollUntil([&] { return listItems(songs).size() != 3u; }, kQuietWatch)) << "listed without F2";
    pressKey(songs, VK_F2);
    EXPECT_TRUE(pollUntil([&] { return listItems(songs).size() == 4u; }, kDefaultTimeout));
    EXPECT_EQ(listItems(songs).at(2), "new.mp3");
}

TEST_F(MusicPaneTest, ADirectoryOpenedInTheListAndAFilterChangeRebuildTheSongs) {
    const HWND folders = findControl(mainWindow, "mp3dir");
    const auto items = listItems(folders);
    ASSERT_EQ(items.back(), "live");
    doubleClickItem(folders, static_cast<int>(items.size()) - 1);
    ASSERT_TRUE(pollUntil([&] { return listItems(songs) == std::vector<std::string>{"encore.mp3"}; }, kDefaultTimeout))
        << "the song list holds " << listItems(songs).size() << " lines";
    const HWND filter = findControl(mainWindow, "mp3filter");
    EXPECT_EQ(comboItems(filter), (std::vector<std::string>{"Mp3 Files (*.mp3)", "All files (*.*)"}));
    chooseComboItem(filter, 1);
    EXPECT_TRUE(pollUntil([&] { return listItems(songs).size() == 2u; }, kDefaultTimeout));
    EXPECT_EQ(listItems(songs).at(1), "setlist.txt");
}

TEST_F(MusicPaneTest, ThePanesFollowTheWindowsSize) {
    moveWindow(mainWindow, 0, 0, 800, 600);
    const RECT client = clientRect(mainWindow);
    const int height = (client.bottom - client.top - 88) / 2;
    auto inClient = [&](const char* name) {
        RECT r = windowRect(findControl(mainWindow, name));
        return RECT{r.left - client.left, r.top - client.top, r.right - client.left, r.bottom - client.top};
    };
    // Song list width, the columns' left edges, wave list height, song list and Play tops, Setup's left edge.
    auto layout = [&] {
        return std::vector<int>{inClient("mpsonglist").right - inClient("mpsonglist").left,
                                inClient("mp3dir").left,
                                inClient("recdrive").left,
                                inClient("recfilelist").bottom - inClient("recfilelist").top,
                                inClient("mpsonglist").top,
                                inClient("mp3play").top,
                                inClient("configbutt").left};
    };
    const std::vector<int> expected{601, 667, 667, height, height + 68, height + 70, client.right - client.left - 91};
    // The program moves one control after another: wait for the last.
    pollUntil([&] { return layout() == expected; }, kDefaultTimeout);
    EXPECT_EQ(layout(), expected);
}

TEST_F(MusicPaneTest, TheAboutBoxClosesWithOkAndAFixedDialogIgnoresAltF4) {
    chooseMenuItem(mainWindow, {"&Help", "&About"});
    const HWND about = waitForForm(*program, "Tmpzelvioabout");
    EXPECT_EQ(windowCaption(about), std::string(27, ' ') + "Mp3 Zelvio About");
    pressKey(about, VK_F4, true);
    EXPECT_FALSE(waitUntilClosed(about, kQuietWatch));
    click(findControl(about, "okbutt"));
    EXPECT_TRUE(waitUntilClosed(about));
    EXPECT_TRUE(isEnabled(mainWindow));
}

// Song.mp3 deleted and new.mp3 added while another program holds the index:
// the refresh tells why, every line names one of today's files as it is, and
// deleting a line deletes the file it shows.
TEST_F(MusicPaneTest, AnIndexHeldByAnotherProgramIsToldAndTheLinesNameTodaysFiles) {
    ASSERT_TRUE(DeleteFileW(toWide(dir.pathOf("music\\Song.mp3")).c_str()));
    dir.writeFile("music\\new.mp3", "x");
    HeldFile index(dir.pathOf("music\\index.dat"));
    chooseMenuItem(mainWindow, {"&View", "Refresh"});
    const MessageBoxView error = waitForMessageBox(*program, "Mp3 Zelvio");
    EXPECT_EQ(error.text, systemMessage(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(error.buttons, std::vector<std::string>{"OK"});
    pressButton(error.window, "OK");
    ASSERT_TRUE(waitUntilClosed(error.window));
    EXPECT_EQ(listItems(songs), (std::vector<std::string>{"A Long Song Name.mp3", "b.mp3", "new.mp3"}));
    // Told once: no second box follows.
    EXPECT_FALSE(pollUntil([&] { return findMessageBox(*program, "Mp3 Zelvio").has_value(); }, Milliseconds(1000)));

    selectItems(songs, {2});
    ASSERT_TRUE(pollUntil([&] { return selectedItems(songs) == std::vector<int>{2}; }, kDefaultTimeout));
    chooseMenuItem(mainWindow, {"&File", "&Delete Mp3 "});
    pressButton(waitForMessageBox(*program, "Confirm").window, "&Yes");
    // The index is still held: the list built again after the deletion tells so again.
    pressButton(waitForMessageBox(*program, "Mp3 Zelvio").window, "OK");
    EXPECT_FALSE(dir.exists("music\\new.mp3"));
    EXPECT_TRUE(dir.exists("music\\b.mp3"));
    EXPECT_TRUE(pollUntil(
        [&] { return listItems(songs) == std::vector<std::string>{"A Long Song Name.mp3", "b.mp3"}; },
        kDefaultTimeout));
}

TEST_F(MusicPaneTest, ABigTaggedFolderShowsAtOnceAndTheTagsFillInUnderTheUsersSelection) {
    constexpr int songCount = 1500;
    dir.createDirectory("music\\tagged");
    const auto title = [](int song) { return "Title " + std::to_string(song); };
    for (int song = 0; song < songCount; ++song) {
        dir.writeFile("music\\tagged\\song_" + std::to_string(10000 + song) + ".mp3",
                      id3Tag({id3Frame("TIT2", title(song)), id3Frame("TPE1", "Artist")}) + mpegFrames(4));
    }
    chooseMenuItem(mainWindow, {"&View", "Refresh"});
    const HWND folders = findControl(mainWindow, "mp3dir");
    ASSERT_TRUE(pollUntil([&] { return listItems(folders).back() == "tagged"; }, kDefaultTimeout));
    doubleClickItem(folders, static_cast<int>(listItems(folders).size()) - 1);
    ASSERT_TRUE(pollUntil([&] { return listCount(songs) == songCount; }, kDefaultTimeout));

    // The user picks two songs and scrolls while the tags are still being read.
    selectItems(songs, {1, songCount - 1});
    SendMessageW(songs, LB_SETTOPINDEX, 1000, 0);
    const auto lastLine = [&] { return listItem(songs, songCount - 1); };
    if (lastLine().starts_with(title(songCount - 1))) GTEST_SKIP() << "every tag was read before the user could act";
    ASSERT_TRUE(pollUntil([&] { return lastLine().starts_with(title(songCount - 1)); }, Milliseconds(30000)))
        << "the last line is still " << lastLine();

    const auto lines = listItems(songs);
    for (int song = 0; song < songCount; ++song) {
        ASSERT_TRUE(lines[static_cast<std::size_t>(song)].starts_with(title(song) + " ")) << lines[song];
    }
    EXPECT_EQ(selectedItems(songs), (std::vector<int>{1, songCount - 1}));
    EXPECT_EQ(SendMessageW(songs, LB_GETCARETINDEX, 0, 0), songCount - 1);
    EXPECT_EQ(SendMessageW(songs, LB_GETTOPINDEX, 0, 0), 1000);
}

}  // namespace
}  // namespace zelvio::e2e
