// The song index: its file, the working copy with its pairing table, and the
// two ways of looking songs up, on the in-memory file system.

#include "common/errors.h"
#include "platform/headless/headless_filesystem.h"
#include "songindex/indexfile.h"
#include "songindex/indexlookup.h"
#include "songindex/indexname.h"
#include "songindex/workingcopy.h"

#include <gtest/gtest.h>

#include <random>

namespace zelvio {
namespace {

const std::string indexPath = "C:\\MUSIC\\index.dat";

class SongIndexTest : public ::testing::Test {
protected:
    void SetUp() override { fs.makeDirectories("C:\\MUSIC"); }
    HeadlessFileSystem fs;
};

TEST(IndexFileName, DriveRootTakesNoSecondBackslash) {
    EXPECT_EQ(indexfilename("C:\\"), "C:\\index.dat");
    EXPECT_EQ(indexfilename("D:\\"), "D:\\index.dat");
    EXPECT_EQ(indexfilename("C:\\MUSIC"), "C:\\MUSIC\\index.dat");
}

TEST_F(SongIndexTest, MissingIndexIsEmptyAndPairsNothing) {
    const WorkingCopy lines = readindex(fs, indexPath);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(pairentries(lines, {"a.mp3", "b.mp3"}), (std::vector<int>{-1, -1}));
    EXPECT_EQ(lookupentry(fs, indexPath, "a.mp3"), std::nullopt);
    EXPECT_EQ(IndexLookup(fs, indexPath).find("a.mp3"), nullptr);
    EXPECT_FALSE(fs.fileExists(indexPath));
}

TEST_F(SongIndexTest, UnchangedCopyWritesBackTheSameBytes) {
    const std::string written = "a.mp3\r\nTitle\r\n\r\n3:45\r\n\r\n\r\n\r\n\r\nb b.mp3\r\n \xC3\xA4 \r\nArtist\r\n\r\n";
    fs.putFile(indexPath, written);
    const WorkingCopy lines = readindex(fs, indexPath);
    EXPECT_EQ(lines.size(), 12u);
    writeindex(fs, indexPath, lines);
    EXPECT_EQ(fs.fileBytes(indexPath), written);
    EXPECT_EQ(fs.list("C:\\MUSIC"), (std::vector<std::string>{"index.dat"}));
}

TEST_F(SongIndexTest, LineEndsAreNormalisedToCrLfOnWriting) {
    fs.putFile(indexPath, "a.mp3\nT\n\nA\r\nb.mp3\nT2\nA2\n1:00");
    const WorkingCopy lines = readindex(fs, indexPath);
    EXPECT_EQ(lines, (WorkingCopy{"a.mp3", "T", "", "A", "b.mp3", "T2", "A2", "1:00"}));
    writeindex(fs, indexPath, lines);
    EXPECT_EQ(fs.fileBytes(indexPath), "a.mp3\r\nT\r\n\r\nA\r\nb.mp3\r\nT2\r\nA2\r\n1:00\r\n");

    writeindex(fs, indexPath, {});
    EXPECT_EQ(fs.fileBytes(indexPath), "");
    EXPECT_TRUE(readindex(fs, indexPath).empty());
}

// A file name may begin with U+FEFF, which is also the mark a reader drops
// from the start of a file; the first entry's name must come back whole.
TEST_F(SongIndexTest, FirstNameBeginningWithAByteOrderMarkSurvivesWriting) {
    const WorkingCopy lines = {"\xEF\xBB\xBFsong.mp3", "Title", "Artist", "1:00"};
    writeindex(fs, indexPath, lines);
    EXPECT_EQ(readindex(fs, indexPath), lines);
    EXPECT_EQ(lookupentry(fs, indexPath, "\xEF\xBB\xBFsong.mp3").value().title, "Title");

    // A file saved with the mark reads as before and is written back without it.
    fs.putFile(indexPath, "\xEF\xBB\xBF" "a.mp3\r\nT\r\nA\r\n1:00\r\n");
    writeindex(fs, indexPath, readindex(fs, indexPath));
    EXPECT_EQ(fs.fileBytes(indexPath), "a.mp3\r\nT\r\nA\r\n1:00\r\n");
}

TEST_F(SongIndexTest, LastOfDuplicatesWinsIgnoringAsciiCaseOnly) {
    const WorkingCopy lines = {"SONG.MP3", "first", "x", "1",      "my song.mp3", "spaced",    "x", "2",
                               "song.mp3", "second", "x", "3",     "other.mp3",   "title.mp3", "x", "4",
                               "\xC3\x84.mp3", "upper umlaut", "x", "5"};
    writeindex(fs, indexPath, lines);
    const std::vector<std::string> names = {"song.mp3", "Song.Mp3", "my_song.mp3", "MY SONG.MP3",
                                            "title.mp3", "\xC3\xA4.mp3", "\xC3\x84.MP3", "none.mp3"};
    EXPECT_EQ(pairentries(lines, names), (std::vector<int>{8, 8, -1, 4, -1, -1, 16, -1}));

    EXPECT_EQ(lookupentry(fs, indexPath, "Song.Mp3"), (IndexEntry{"song.mp3", "second", "x", "3"}));
    EXPECT_EQ(lookupentry(fs, indexPath, "MY SONG.MP3").value().title, "spaced");
    for (const char* absent : {"my_song.mp3", "title.mp3", "\xC3\xA4.mp3", "none.mp3"}) {
        EXPECT_EQ(lookupentry(fs, indexPath, absent), std::nullopt) << absent;
    }
    EXPECT_EQ(readindex(fs, indexPath), lines);  // the earlier duplicate stays in the file
}

// Every paired file must point at an entry of its own name.
void expectEachSlotOnItsOwnEntry(const WorkingCopy& lines, const std::vector<std::string>& names,
                                 const std::vector<int>& entryline) {
    ASSERT_EQ(entryline.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (entryline[i] < 0) continue;
        EXPECT_TRUE(sameindexname(entryat(lines, entryline[i]).filename, names[i]))
            << names[i] << " points at " << entryat(lines, entryline[i]).filename;
    }
}

TEST_F(SongIndexTest, RemovingKeepsEveryOtherFileOnItsOwnEntry) {
    WorkingCopy lines;
    const std::vector<std::string> names = {"g", "c", "a", "B", "b", "e", "d", "f"};
    for (std::string name : {"a", "b", "c", "d", "e", "f", "g"}) {
        lines.insert(lines.end(), {name, "title " + name, "artist", "1:00"});
    }
    std::vector<int> entryline = pairentries(lines, names);
    EXPECT_EQ(entryline, (std::vector<int>{24, 8, 0, 4, 4, 16, 12, 20}));

    EXPECT_TRUE(removeentry(lines, entryline, 2));  // a, the first entry
    EXPECT_TRUE(removeentry(lines, entryline, 6));  // d, in the middle
    EXPECT_TRUE(removeentry(lines, entryline, 0));  // g, the last entry
    EXPECT_TRUE(removeentry(lines, entryline, 3));  // b, through a name that differs in case
    EXPECT_FALSE(removeentry(lines, entryline, 4)); // its twin lost the entry with it
    EXPECT_EQ(entryline, (std::vector<int>{-1, 0, -1, -1, -1, 4, -1, 8}));
    expectEachSlotOnItsOwnEntry(lines, names, entryline);
    EXPECT_EQ(lines, (WorkingCopy{"c", "title c", "artist", "1:00", "e", "title e", "artist", "1:00",
                                  "f", "title f", "artist", "1:00"}));

    writeindex(fs, indexPath, lines);
    EXPECT_EQ(pairentries(readindex(fs, indexPath), names), entryline);
}

TEST_F(SongIndexTest, CutShortLastEntryReadsEmptyAndIsMadeWholeOnStoring) {
    fs.putFile(indexPath, "a.mp3\r\nA\r\nx\r\n1:00\r\nb.mp3\r\nB");
    WorkingCopy lines = readindex(fs, indexPath);
    const IndexEntry cut = {"b.mp3", "B", "", ""};
    EXPECT_EQ(entryat(lines, 4), cut);
    EXPECT_EQ(lookupentry(fs, indexPath, "b.mp3"), cut);
    const IndexLookup lookup(fs, indexPath);
    ASSERT_NE(lookup.find("B.MP3"), nullptr);
    EXPECT_EQ(*lookup.find("B.MP3"), cut);

    storefield(lines, 4, IndexField::length, "2:00");
    EXPECT_EQ(lines, (WorkingCopy{"a.mp3", "A", "x", "1:00", "b.mp3", "B", "", "2:00"}));

    // Appending behind a cut-short entry first completes it, so the new
    // entry starts on its own four-line boundary.
    WorkingCopy appended = readindex(fs, indexPath);
    std::vector<int> entryline = {4};
    addentry(appended, entryline, 1, {"c.mp3", "C", "y", "3:00"});
    EXPECT_EQ(entryline, (std::vector<int>{4, 8}));
    EXPECT_EQ(pairentries(appended, {"b.mp3", "c.mp3"}), entryline);
    EXPECT_EQ(entryat(appended, 8), (IndexEntry{"c.mp3", "C", "y", "3:00"}));

    WorkingCopy removed = readindex(fs, indexPath);
    entryline = {0, 4};
    EXPECT_TRUE(removeentry(removed, entryline, 1));
    EXPECT_EQ(removed, (WorkingCopy{"a.mp3", "A", "x", "1:00"}));
}

TEST_F(SongIndexTest, EditsRejectLinesThatAreNoEntryAndFieldsWithLineBreaks) {
    WorkingCopy lines = {"a.mp3", "A", "x", "1:00"};
    std::vector<int> entryline;
    for (int line : {-1, 2, 4}) {
        EXPECT_THROW(readfield(lines, line, IndexField::title), std::out_of_range) << line;
        EXPECT_THROW(storefield(lines, line, IndexField::title, "t"), std::out_of_range) << line;
    }
    EXPECT_THROW(storefield(lines, 0, IndexField::title, "two\r\nlines"), std::invalid_argument);
    EXPECT_THROW(addentry(lines, entryline, 0, {"b.mp3", "B", "y\n", ""}), std::invalid_argument);
    EXPECT_EQ(lines, (WorkingCopy{"a.mp3", "A", "x", "1:00"}));
    EXPECT_TRUE(entryline.empty());
}

TEST_F(SongIndexTest, OneReadLookupAnswersAsLookupEntryOnRandomIndexes) {
    const std::vector<std::string> pool = {"song.mp3", "SONG.MP3", "Song.mp3", "my song.mp3", "my_song.mp3",
                                           "a.mp3",    "",         "\xC3\xA4.mp3", "\xC3\x84.mp3", "3:45"};
    std::mt19937 random(20240607);
    auto pick = [&](std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random); };
    for (int round = 0; round < 300; ++round) {
        WorkingCopy lines(pick(30));
        std::string bytes;
        for (auto& line : lines) {
            line = pick(4) == 0 ? "text " + std::to_string(pick(5)) : pool[pick(pool.size())];
            bytes += line + (pick(2) ? "\r\n" : "\n");
        }
        if (!lines.empty() && !lines.back().empty() && pick(2)) {  // sometimes no end after the last line
            bytes.pop_back();
            if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
        }
        fs.putFile(indexPath, bytes);

        const IndexLookup fromFile(fs, indexPath);
        const IndexLookup fromCopy(lines);
        std::vector<std::string> names = pool;
        names.push_back("absent.mp3");
        const std::vector<int> entryline = pairentries(lines, names);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto expected = lookupentry(fs, indexPath, names[i]);
            for (const IndexLookup* lookup : {&fromFile, &fromCopy}) {
                const IndexEntry* found = lookup->find(names[i]);
                EXPECT_EQ(found != nullptr ? std::optional(*found) : std::nullopt, expected)
                    << "round " << round << ", " << names[i];
            }
            EXPECT_EQ(entryline[i] < 0 ? std::nullopt : std::optional(entryat(lines, entryline[i])), expected);
        }
    }
}

TEST_F(SongIndexTest, FailedWriteOnAnyLineLeavesTheOldIndex) {
    const std::string old = "old.mp3\r\nOld\r\nx\r\n1:00\r\n";
    const WorkingCopy lines = {"a.mp3", "A", "x", "1:00", "b.mp3", "B", "y", "2:00"};
    for (std::size_t accepted = 0; accepted <= lines.size(); ++accepted) {  // the last fails at the close
        fs.putFile(indexPath, old);
        fs.failWritingAfter(accepted);
        EXPECT_THROW(writeindex(fs, indexPath, lines), InOutError) << accepted;
        EXPECT_EQ(fs.fileBytes(indexPath), old) << accepted;
        EXPECT_EQ(fs.list("C:\\MUSIC"), (std::vector<std::string>{"index.dat"})) << accepted;
    }
    fs.clearFaults();
    fs.failOpening(indexPath);
    EXPECT_THROW(readindex(fs, indexPath), InOutError);
    EXPECT_THROW(lookupentry(fs, indexPath, "old.mp3"), InOutError);
    EXPECT_THROW((IndexLookup(fs, indexPath).find("old.mp3")), InOutError);
}

}  // namespace
}  // namespace zelvio
