// The path and text helpers, on a file system with short names set by hand.

#include "common/errors.h"
#include "common/paths.h"
#include "platform/headless/headless_filesystem.h"

#include <gtest/gtest.h>

namespace zelvio {
namespace {

TEST(AddBackslash, AddsExactlyOne) {
    EXPECT_EQ(AddBackslash("C:\\MUSIC"), "C:\\MUSIC\\");
    EXPECT_EQ(AddBackslash("C:\\"), "C:\\");
    EXPECT_EQ(AddBackslash("C:"), "C:\\");
}

TEST(SpacesToUnderscores, ReplacesSpacesOnly) {
    EXPECT_EQ(SpacesToUnderscores(" my  song.mp3 "), "_my__song.mp3_");
    EXPECT_EQ(SpacesToUnderscores("a\tb"), "a\tb");
    EXPECT_EQ(SpacesToUnderscores(""), "");
}

TEST(FileSizeBytes, CountsBytesOrGivesMinusOne) {
    HeadlessFileSystem fs;
    fs.putFile("C:\\a.wav", std::string(48, 'x'));
    fs.putFile("C:\\empty.wav", "");
    EXPECT_EQ(FileSizeBytes(fs, "C:\\a.wav"), 48);
    EXPECT_EQ(FileSizeBytes(fs, "C:\\empty.wav"), 0);
    EXPECT_EQ(FileSizeBytes(fs, "C:\\none.wav"), -1);
    fs.failOpening("C:\\a.wav");
    EXPECT_THROW(FileSizeBytes(fs, "C:\\a.wav"), InOutError);
}

class ShortPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs.makeDirectories("C:\\Program Files\\Mp3 Zelvio");
        fs.setShortName("C:\\Program Files", "PROGRA~1");
        fs.setShortName("C:\\Program Files\\Mp3 Zelvio", "MP3ZEL~1");
        fs.putFile("C:\\Program Files\\Mp3 Zelvio\\a very long name.mp3", "");
        fs.setShortName("C:\\Program Files\\Mp3 Zelvio\\a very long name.mp3", "AVERYL~1.MP3");
        fs.putFile("C:\\Program Files\\Mp3 Zelvio\\mpzelvio.cfg", "");
        fs.makeDirectories("C:\\Longdirname\\Sub");  // 11 characters, yet no short name recorded
        fs.makeDirectories("C:\\Music.Colle");
        fs.setShortName("C:\\Music.Colle", "MUSIC~1.COL");
    }
    HeadlessFileSystem fs;
};

TEST_F(ShortPathTest, LongDirectoriesAndFilesTakeTheirShortNames) {
    EXPECT_EQ(ShortPath(fs, "C:\\Program Files"), "C:\\PROGRA~1");
    EXPECT_EQ(ShortPath(fs, "C:\\Program Files\\Mp3 Zelvio"), "C:\\PROGRA~1\\MP3ZEL~1");
    EXPECT_EQ(ShortPath(fs, "C:\\Program Files\\Mp3 Zelvio\\a very long name.mp3"),
              "C:\\PROGRA~1\\MP3ZEL~1\\AVERYL~1.MP3");
    // A directory name of 9 or more characters is replaced even when it holds a dot.
    EXPECT_EQ(ShortPath(fs, "C:\\Music.Colle\\x"), "C:\\MUSIC~1.COL\\x");
}

TEST_F(ShortPathTest, NamesThatFitStayAsWritten) {
    // A 12-character last name with a dot fits 8.3 and is not looked up.
    EXPECT_EQ(ShortPath(fs, "C:\\Program Files\\Mp3 Zelvio\\mpzelvio.cfg"), "C:\\PROGRA~1\\MP3ZEL~1\\mpzelvio.cfg");
    EXPECT_EQ(ShortPath(fs, "c:\\windows\\sndvol32.exe"), "c:\\windows\\sndvol32.exe");
    // Where the file system records no short name, the name stays.
    EXPECT_EQ(ShortPath(fs, "C:\\Longdirname\\Sub"), "C:\\Longdirname\\Sub");
    // A path that does not exist has no short names to give.
    EXPECT_EQ(ShortPath(fs, "C:\\No Such Directory\\x.exe"), "C:\\No Such Directory\\x.exe");
    // The last component is replaced only when over 12 with a dot or over 8 without.
    EXPECT_EQ(ShortPath(fs, "C:\\Music.Colle"), "C:\\Music.Colle");
}

TEST_F(ShortPathTest, SeparatorsEmptyPathsAndTrailingBackslash) {
    EXPECT_EQ(ShortPath(fs, ""), "");
    EXPECT_EQ(ShortPath(fs, "C:\\"), "C:\\");
    EXPECT_EQ(ShortPath(fs, "C:\\Program Files\\"), "C:\\PROGRA~1\\");
    // Letter case of the lookup does not matter; untouched parts keep theirs.
    EXPECT_EQ(ShortPath(fs, "c:\\program files\\mp3 zelvio\\"), "c:\\PROGRA~1\\MP3ZEL~1\\");
}

TEST_F(ShortPathTest, PathsLongerThanThreeHundredCharactersFollowTheSameRules) {
    std::string path = "C:\\Program Files";
    std::string expected = "C:\\PROGRA~1";
    for (int i = 0; i < 40; ++i) {
        path += "\\abcdefgh";
        expected += "\\abcdefgh";
    }
    fs.makeDirectories(path);
    ASSERT_GT(path.size(), 300u);
    EXPECT_EQ(ShortPath(fs, path), expected);
}

}  // namespace
}  // namespace zelvio
