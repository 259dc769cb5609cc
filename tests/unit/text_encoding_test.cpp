// Text files in UTF-8 and in the ANSI code page of older versions, and names
// counted in characters rather than bytes.

#include "common/paths.h"
#include "common/textencoding.h"
#include "common/textfile.h"
#include "platform/headless/headless_filesystem.h"

#include <gtest/gtest.h>

namespace zelvio {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFiles, UTF8WithOrWithoutAMarkAndOlderAnsiFilesAllReadAsUTF8) {
    HeadlessFileSystem fs;
    fs.putFile("C:\\utf8.txt", "Bj\xC3\xB6rk\r\n\xD0\x9C\xD1\x83\xD0\xB7\xD1\x8B\xD0\xBA\xD0\xB0\r\n");
    fs.putFile("C:\\marked.txt", "\xEF\xBB\xBF\xE9\x9F\xB3\xE6\xA5\xBD\r\nend");
    fs.putFile("C:\\legacy.txt", "Bj\xF6rk\r\nCaf\xE9 \x80 5\r\n");
    EXPECT_EQ(readAllLines(fs, "C:\\utf8.txt"), (Lines{"Bj\xC3\xB6rk", "\xD0\x9C\xD1\x83\xD0\xB7\xD1\x8B\xD0\xBA\xD0\xB0"}));
    EXPECT_EQ(readAllLines(fs, "C:\\marked.txt"), (Lines{"\xE9\x9F\xB3\xE6\xA5\xBD", "end"}));
    EXPECT_EQ(readAllLines(fs, "C:\\legacy.txt"), (Lines{"Bj\xC3\xB6rk", "Caf\xC3\xA9 \xE2\x82\xAC 5"}));
}

TEST(TextFiles, WrittenFilesAreUTF8WithoutAMarkAndAsciiStaysByteForByte) {
    HeadlessFileSystem fs;
    const std::string ascii = "ver 1.5\r\nC:\\MUSIC\r\n-hq\r\n";
    fs.putFile("C:\\ascii.cfg", ascii);
    replaceWithLines(fs, "C:\\ascii.cfg", readAllLines(fs, "C:\\ascii.cfg"));
    EXPECT_EQ(fs.fileBytes("C:\\ascii.cfg"), ascii);

    fs.putFile("C:\\legacy.cfg", "C:\\M\xDCSIK\r\n");
    replaceWithLines(fs, "C:\\legacy.cfg", readAllLines(fs, "C:\\legacy.cfg"));
    EXPECT_EQ(fs.fileBytes("C:\\legacy.cfg"), "C:\\M\xC3\x9CSIK\r\n");
}

TEST(TextEncoding, MalformedUTF8IsRecognised) {
    EXPECT_TRUE(isValidUtf8("plain \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xB5"));
    for (const char* bad : {"\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF", "\x80"}) {
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    }
    EXPECT_EQ(characterCount("\xD0\x9C\xD1\x83\xD0\xB7"), 3u);
    EXPECT_EQ(characterCount("a\xFF" "b"), 3u);
}

// The 8.3 rule counts characters: five accented letters (ten bytes) fit a
// directory name, nine do not. (Letters the ANSI code page cannot hold go
// short whatever their number.)
TEST(ShortPathOfNonAsciiNames, CountsCharactersNotBytes) {
    HeadlessFileSystem fs;
    const std::string five = "\xC3\x84\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F";  // Ääöüß
    const std::string nine = five + "\xC3\xA9 \xC3\xA8\xC3\xAA";           // Ääöüßé èê
    fs.makeDirectories("C:\\" + five + "\\" + nine);
    fs.setShortName("C:\\" + five, "1D7C~1");
    fs.setShortName("C:\\" + five + "\\" + nine, "2F3A~1");
    EXPECT_EQ(ShortPath(fs, "C:\\" + five + "\\" + nine + "\\"), "C:\\" + five + "\\2F3A~1\\");
}

}  // namespace
}  // namespace zelvio
