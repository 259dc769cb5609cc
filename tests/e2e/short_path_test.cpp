// ShortPath on the real file system under Wine, through the product's file
// system backend. The short names come from the system (Wine makes its own
// kind), never from the test.

#include "common/paths.h"
#include "platform/launcher.h"
#include "platform/win32/win32_platform.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/utf8.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

std::string systemShortPath(const std::string& path) {
    char shortPath[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) throw DriverError("GetShortPathNameA fails for " + path);
    return std::string(shortPath, length);
}

// Every name here is either longer than 8.3 allows or a plain 8.3 name, the
// two cases where ShortPath and the system agree.
TEST(ShortPathTest, MatchesTheSystemsShortFormOfLongPaths) {
    WorkDirectory dir;
    dir.createDirectory("A Long Directory Name");
    dir.createDirectory("A Long Directory Name\\Another Long Directory");
    dir.writeFile("A Long Directory Name\\Some Long File Name.txt", "x");
    dir.writeFile("A Long Directory Name\\Another Long Directory\\SHORT.TXT", "x");
    dir.writeFile("A Long Directory Name\\NoExtensionName", "x");
    Win32Platform win32;
    FileSystem& fileSystem = win32.platform().fileSystem;

    for (const std::string relative : {
             "A Long Directory Name\\Some Long File Name.txt",
             "A Long Directory Name\\Another Long Directory\\SHORT.TXT",
             "A Long Directory Name\\NoExtensionName",
             "A Long Directory Name\\Another Long Directory\\",
         }) {
        SCOPED_TRACE(relative);
        const std::string longPath = dir.pathOf(relative);
        const std::string expected = systemShortPath(longPath);
        EXPECT_NE(expected, longPath);  // the system did shorten something
        EXPECT_EQ(ShortPath(fileSystem, longPath), expected);
    }
}

std::string systemShortPathOf(const std::string& path) {
    wchar_t shortPath[MAX_PATH] = {};
    const DWORD length = GetShortPathNameW(toWide(path).c_str(), shortPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) throw DriverError("GetShortPathNameW fails for " + path);
    return toUtf8(std::wstring_view(shortPath, length));
}

// A Cyrillic directory holding a CJK file and a program: sizes, short names
// and a command line all keep the names whole, whatever the ANSI code page.
TEST(NonAsciiNamesTest, ReachTheFileSystemAndOtherProgramsWhole) {
    WorkDirectory dir;
    const std::string music = "Моя музыка";
    const std::string song = music + "\\音楽のファイルの名前.txt";
    dir.createDirectory(music);
    dir.writeFile(song, "12345");
    ASSERT_TRUE(CopyFileW(toWide(programBeside("outside_program.exe")).c_str(),
                          toWide(dir.pathOf(music + "\\запись.exe")).c_str(), FALSE));
    Win32Platform win32;
    FileSystem& fileSystem = win32.platform().fileSystem;

    EXPECT_EQ(FileSizeBytes(fileSystem, dir.pathOf(song)), 5);
    const std::string shortSong = systemShortPathOf(dir.pathOf(song));
    EXPECT_EQ(ShortPath(fileSystem, dir.pathOf(song)), shortSong);
    EXPECT_EQ(ShortName(fileSystem, dir.pathOf(song)), shortSong.substr(shortSong.rfind('\\') + 1));
    EXPECT_EQ(ShortPath(fileSystem, dir.pathOf(music) + "\\"), systemShortPathOf(dir.pathOf(music) + "\\"));

    const std::string program = dir.pathOf(music + "\\запись.exe");
    const std::string commandLine = std::string("\"").append(program).append("\" \"").append(dir.pathOf(song)) + "\"";
    ASSERT_GE(win32.platform().launcher.startDetached(commandLine, SW_HIDE, ""), 32u);
    ASSERT_TRUE(pollUntil([&] { return dir.exists(music + "\\запись.log"); }, kDefaultTimeout));
    EXPECT_EQ(splitLines(dir.readFile(music + "\\запись.log")).at(0), commandLine);
}

}  // namespace
}  // namespace zelvio::e2e
