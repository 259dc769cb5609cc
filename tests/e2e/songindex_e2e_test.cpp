// The song index on the real file system under Wine, through the product's
// file system backend: the bytes on disk, reading them back, lookups, and an
// index at the root of drive C:.

#include "common/errors.h"
#include "platform/win32/win32_platform.h"
#include "songindex/indexfile.h"
#include "songindex/indexlookup.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/system_error.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>

namespace zelvio::e2e {
namespace {

// The one-read lookup's answer in lookupentry's form.
std::optional<IndexEntry> lookedUp(FileSystem& fs, const std::string& path, const std::string& name) {
    const IndexLookup lookup(fs, path);
    const IndexEntry* found = lookup.find(name);
    return found != nullptr ? std::optional(*found) : std::nullopt;
}


const WorkingCopy songs = {"SONG.MP3", "first", "", "1:00", "b b.mp3", "Title", "Artist", "3:45",
                           "song.mp3", "second", "Artist", ""};
const std::string songBytes =
    "SONG.MP3\r\nfirst\r\n\r\n1:00\r\nb b.mp3\r\nTitle\r\nArtist\r\n3:45\r\nsong.mp3\r\nsecond\r\nArtist\r\n\r\n";

// One backend for all tests: starting one takes Wine a while.
FileSystem& realFileSystem() {
    static Win32Platform win32;
    return win32.platform().fileSystem;
}

std::string bytesOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw DriverError("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(SongIndexFile, WritesCrLfLinesAndReadsThemBack) {
    WorkDirectory dir;
    FileSystem& fs = realFileSystem();
    const std::string path = indexfilename(dir.path());
    ASSERT_EQ(path, dir.pathOf("index.dat"));

    EXPECT_TRUE(readindex(fs, path).empty());
    writeindex(fs, path, songs);
    EXPECT_EQ(dir.readFile("index.dat"), songBytes);
    EXPECT_FALSE(dir.exists("index.dat.tmp"));
    EXPECT_EQ(readindex(fs, path), songs);
    EXPECT_EQ(lookupentry(fs, path, "Song.mp3"), (IndexEntry{"song.mp3", "second", "Artist", ""}));
    EXPECT_EQ(lookedUp(fs, path, "Song.mp3"), lookupentry(fs, path, "Song.mp3"));
    EXPECT_EQ(lookupentry(fs, path, "b_b.mp3"), std::nullopt);

    writeindex(fs, path, {});  // over the existing index
    EXPECT_EQ(dir.readFile("index.dat"), "");
}

TEST(SongIndexFile, ReadsBareLineFeedsAndACutShortLastEntry) {
    WorkDirectory dir;
    FileSystem& fs = realFileSystem();
    dir.writeFile("index.dat", "a.mp3\nA\n\n1:00\r\nb.mp3\r\nB");
    const std::string path = indexfilename(dir.path());

    EXPECT_EQ(readindex(fs, path), (WorkingCopy{"a.mp3", "A", "", "1:00", "b.mp3", "B"}));
    EXPECT_EQ(lookupentry(fs, path, "B.MP3"), (IndexEntry{"b.mp3", "B", "", ""}));
    EXPECT_EQ(lookedUp(fs, path, "B.MP3"), lookupentry(fs, path, "B.MP3"));
    writeindex(fs, path, readindex(fs, path));
    EXPECT_EQ(dir.readFile("index.dat"), "a.mp3\r\nA\r\n\r\n1:00\r\nb.mp3\r\nB\r\n");
}

TEST(SongIndexFile, FailedWriteKeepsTheOldIndex) {
    WorkDirectory dir;
    FileSystem& fs = realFileSystem();
    const std::string old = "old.mp3\r\nOld\r\n\r\n\r\n";
    dir.writeFile("index.dat", old);
    dir.createDirectory("index.dat.tmp");  // where the new index would be written first

    EXPECT_THROW(writeindex(fs, indexfilename(dir.path()), songs), InOutError);
    EXPECT_EQ(dir.readFile("index.dat"), old);
}

// Moves an index already at the drive root aside, and puts it back however
// the test ends, after removing the test's own (and any temporary).
class RootIndexAside {
public:
    RootIndexAside() {
        if (MoveFileA(kIndex, aside_.c_str())) {
            moved_ = true;
        } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
            throw DriverError(std::string("cannot move ") + kIndex + " aside: " + lastErrorText());
        }
    }
    ~RootIndexAside() {
        DeleteFileA(kIndex);
        DeleteFileA("C:\\index.dat.tmp");
        if (moved_) MoveFileA(aside_.c_str(), kIndex);
    }
    RootIndexAside(const RootIndexAside&) = delete;
    RootIndexAside& operator=(const RootIndexAside&) = delete;

private:
    static constexpr const char* kIndex = "C:\\index.dat";
    const std::string aside_ = "C:\\index.dat.aside-" + std::to_string(GetCurrentProcessId());
    bool moved_ = false;
};

TEST(SongIndexFile, DriveRootIndexIsBesideTheRoot) {
    const std::string path = indexfilename("C:\\");
    ASSERT_EQ(path, "C:\\index.dat");
    RootIndexAside aside;
    FileSystem& fs = realFileSystem();

    writeindex(fs, path, songs);
    EXPECT_EQ(bytesOf(path), songBytes);
    EXPECT_EQ(lookupentry(fs, path, "b B.mp3").value().title, "Title");
    EXPECT_EQ(lookedUp(fs, path, "b B.mp3"), lookupentry(fs, path, "b B.mp3"));
}

}  // namespace
}  // namespace zelvio::e2e
