// ShortPath on the real file system under Wine, through the product's file
// system backend. The short names come from the system (Wine makes its own
// kind), never from the test.

#include "common/paths.h"
#include "platform/win32/win32_platform.h"
#include "tests/e2e/driver.h"

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

}  // namespace
}  // namespace zelvio::e2e
