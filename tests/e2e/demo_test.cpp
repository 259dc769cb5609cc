// The demo set-up that tools/start.sh gives a new user, made by the same
// script (demo/prepare.sh, run by tools/run-e2e.sh into $ZELVIO_DEMO_DIR):
// two spoken waves encoded by the real LAME through command.com and the
// encoder bridge, tagged from their index entries (read back by mutagen),
// listed by title, and played by mpg123 through the player bridge, into the
// void. And an MP3 file LAME tagged itself, in a folder without an index,
// listed by its tag's title.

#include "demo/unixbridge.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/utf8.h"

#include <algorithm>
#include <utility>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

std::string readAll(const std::string& path) {
    std::ifstream file(toWide(path).c_str(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The demo directory as Wine shows it: the Linux root is drive Z:.
std::string demoDirectory() {
    std::string unixPath = bridge::environmentText(L"ZELVIO_DEMO_DIR");
    if (unixPath.empty()) throw DriverError("ZELVIO_DEMO_DIR is not set: run this test through tools/run-e2e.sh");
    for (char& c : unixPath) {
        if (c == '/') c = '\\';
    }
    return "Z:" + unixPath;
}

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

int indexOf(const std::vector<std::string>& items, const std::string& item) {
    const auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end()) throw DriverError("no \"" + item + "\" in the list");
    return static_cast<int>(found - items.begin());
}

// An MP3 file as mpg123 sees it: it decodes every frame without an error.
void expectPlayableMp3(const std::string& path) {
    const std::string bytes = readAll(path);
    ASSERT_GT(bytes.size(), 1000u) << path;
    EXPECT_EQ(bridge::runUnixProgram({"mpg123", "--test", "--quiet", bridge::unixPathOf(toWide(path))}, true), 0)
        << path;
}

// The file's ID3v2.3 tag as mutagen, a reader we did not write, sees it (Debian's python3-mutagen:
// the python3 of the system, whatever else is on the PATH).
void expectTag(const std::string& path, const std::string& title, const std::string& artist,
               const std::string& milliseconds) {
    const char* check =
        "import sys\n"
        "from mutagen.id3 import ID3\n"
        "tag = ID3(sys.argv[1])\n"
        "got = (tag.version[1], str(tag['TIT2']), str(tag['TPE1']), str(tag['TLEN']))\n"
        "want = (3, sys.argv[2], sys.argv[3], sys.argv[4])\n"
        "print(got, file=sys.stderr)\n"
        "sys.exit(0 if got == want else 1)\n";
    EXPECT_EQ(bridge::runUnixProgram({"/usr/bin/python3", "-c", check, bridge::unixPathOf(toWide(path)), title, artist, milliseconds},
                                      true),
              0)
        << path << " should hold the tag " << title << " / " << artist;
}

TEST(DemoTest, TwoSpokenWavesAreEncodedByLameAndPlayedByMpg123) {
    const std::string demo = demoDirectory();
    ASSERT_TRUE(SetEnvironmentVariableW(L"ZELVIO_MPG123_OPTIONS", L"-o test"));
    TestProcess program(demo + "\\mpzelvio.exe", demo);
    const HWND mainWindow = waitForWindow(program, "Mp3 Zelvio V 0.93");

    const HWND waves = findControl(mainWindow, "recfilelist");
    ASSERT_TRUE(pollUntil([&] { return listItems(waves).size() == 3u; }, kDefaultTimeout));
    selectItems(waves, {indexOf(listItems(waves), "evening.wav"), indexOf(listItems(waves), "morning song.wav")});
    click(findControl(mainWindow, "compilebutt"));
    pressButton(waitForMessageBox(program, "Confirm").window, "&Yes");
    const HWND dialog = waitForForm(program, "TIndexdata");
    const std::pair<const char*, const char*> entries[] = {{"evening.mp3", "Café Ölçek"},
                                                           {"morning song.mp3", "Morning Song"}};
    for (const auto& [file, title] : entries) {
        // Typing is sent, so it would overtake the click that stores the file before.
        ASSERT_TRUE(
            pollUntil([&] { return readText(findControl(dialog, "compressname")) == file; }, kDefaultTimeout));
        typeText(findControl(dialog, "songedit"), title);
        typeText(findControl(dialog, "Artistedit"), "eSpeak");
        typeText(findControl(dialog, "Lengthedit"), "0:04");
        click(findControl(dialog, "Button1"));
    }
    click(findControl(dialog, "saveindex"));
    pressButton(waitForMessageBox(program, "Confirm").window, "&Yes");
    click(findControl(dialog, "compresnow"));
    ASSERT_TRUE(pollUntil([&] { return isVisible(findControl(dialog, "stopbutt")); }, kDefaultTimeout));
    ASSERT_TRUE(pollUntil([&] { return !isVisible(findControl(dialog, "stopbutt")); }, Milliseconds(60000)));

    // Both came from LAME, which the bridge saw end well.
    const std::string log = readAll(demo + "\\bridges.log");
    EXPECT_EQ(occurrences(log, "lame -V 4 "), 2) << log;
    EXPECT_EQ(occurrences(log, "lame ended with exit code 0\r\n"), 2) << log;
    expectPlayableMp3(demo + "\\mp3\\evening.mp3");
    expectPlayableMp3(demo + "\\mp3\\morning_song.mp3");
    // Tagged from the index: "0:04" is 4000 ms.
    expectTag(demo + "\\mp3\\evening.mp3", "Café Ölçek", "eSpeak", "4000");
    expectTag(demo + "\\mp3\\morning_song.mp3", "Morning Song", "eSpeak", "4000");

    click(findControl(dialog, "Okbutt"));
    ASSERT_TRUE(waitUntilClosed(dialog));
    const HWND songs = findControl(mainWindow, "mpsonglist");
    ASSERT_TRUE(pollUntil([&] { return listItems(songs).size() == 2u; }, kDefaultTimeout));
    EXPECT_TRUE(listItems(songs).at(0).starts_with("Café Ölçek  ")) << listItems(songs).at(0);
    EXPECT_EQ(listItems(songs).at(1).substr(0, 12), "Morning Song");

    selectItems(songs, {0, 1});
    click(findControl(mainWindow, "mp3play"));
    // "Random Mp3 Play" is on at first: either order is right.
    const std::string mp3 = bridge::unixPathOf(toWide(demo + "\\mp3")) + "/";
    const std::string evening = mp3 + "evening.mp3", morning = mp3 + "morning_song.mp3";
    const std::string ended = "mpg123 ended with exit code 0\r\n";
    ASSERT_TRUE(pollUntil([&] { return readAll(demo + "\\bridges.log").ends_with(ended); }, Milliseconds(30000)))
        << readAll(demo + "\\bridges.log");
    const std::string played = readAll(demo + "\\bridges.log");
    const std::string inOrder = "mpg123 -o test " + evening + " " + morning + "\r\n" + ended;
    const std::string shuffled = "mpg123 -o test " + morning + " " + evening + "\r\n" + ended;
    EXPECT_TRUE(played.ends_with(inOrder) || played.ends_with(shuffled)) << played;
}

TEST(DemoTest, AnMp3TaggedByLameIsListedByItsTagWhereNoIndexIs) {
    const std::string demo = demoDirectory();
    WorkDirectory dir;
    dir.createDirectory("peers");
    const std::string mp3 = dir.pathOf("peers\\peer song.mp3");
    ASSERT_EQ(bridge::runUnixProgram({"lame", "--quiet", "--tt", "Peer Title", "--ta", "Peer Artist",
                                      bridge::unixPathOf(toWide(demo + "\\waves\\evening.wav")),
                                      bridge::unixPathOf(toWide(mp3))},
                                     true),
              0);
    dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.path(), dir.pathOf("peers"), "", "", "-hq", "0", "", "", "",
                                             "100", "80", "640", "482"}));
    TestProcess program(programBeside("mpzelvio.exe"), dir.path());
    const HWND songs = findControl(waitForWindow(program, "Mp3 Zelvio V 0.93"), "mpsonglist");
    ASSERT_TRUE(pollUntil([&] { return listItems(songs).size() == 1u; }, kDefaultTimeout));
    EXPECT_TRUE(listItems(songs)[0].starts_with("Peer Title" + std::string(22, ' ') + "Peer Artist"))
        << listItems(songs)[0];
    EXPECT_FALSE(dir.exists("peers\\index.dat"));  // nothing written
}

}  // namespace
}  // namespace zelvio::e2e
