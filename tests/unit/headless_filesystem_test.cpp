// The in-memory file system against the rules Windows applies: paths, names,
// errors and their texts, text files, moves and injected faults.

#include "common/errors.h"
#include "common/textfile.h"
#include "platform/headless/headless_filesystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace zelvio {
namespace {

using Lines = std::vector<std::string>;

// The text of the InOutError the call raises; empty when it raises none.
std::string errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const InOutError& error) {
        return error.what();
    }
    return "";
}

const std::string fileNotFound = "The system cannot find the file specified";
const std::string pathNotFound = "The system cannot find the path specified";
const std::string accessDenied = "Access is denied";
const std::string diskFull = "There is not enough space on the disk";
const std::string inUse = "The process cannot access the file because it is being used by another process";

class HeadlessFileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs.makeDirectories("C:\\Program Files\\Mp3 Zelvio");
        fs.setShortName("C:\\Program Files", "PROGRA~1");
        fs.setShortName("C:\\Program Files\\Mp3 Zelvio", "MP3ZEL~1");
        fs.putFile("C:\\Music\\Song.mp3", "abc");
    }
    void write(const std::string& path, const Lines& lines) {
        auto writer = fs.createText(path);
        for (const auto& line : lines) writer->writeLine(line);
        writer->close();
    }
    HeadlessFileSystem fs;
};

// --- Paths -------------------------------------------------------------------

TEST_F(HeadlessFileSystemTest, NamesMatchInAnyCaseAndKeepTheCaseTheyWereCreatedWith) {
    EXPECT_TRUE(fs.fileExists("c:\\MUSIC\\song.MP3"));
    EXPECT_EQ(fs.fileBytes("C:\\music\\SONG.mp3"), "abc");
    write("c:\\music\\New.TXT", {"x"});
    write("C:\\MUSIC\\new.txt", {"y"});  // the same file again, replaced
    EXPECT_EQ(fs.list("C:\\"), (Lines{"Program Files", "Music"}));
    EXPECT_EQ(fs.list("C:\\Music"), (Lines{"Song.mp3", "New.TXT"}));
    EXPECT_EQ(fs.fileBytes("C:\\Music\\New.TXT"), "y\r\n");
}

TEST_F(HeadlessFileSystemTest, SeparatorsDotsAndDotDotsAreResolvedAsText) {
    EXPECT_TRUE(fs.fileExists("C:/Music//Song.mp3"));
    EXPECT_TRUE(fs.fileExists("C:\\Music\\.\\Song.mp3"));
    EXPECT_TRUE(fs.fileExists("C:\\No Such\\..\\Music\\Song.mp3"));  // ".." never looks at the name it removes
    EXPECT_TRUE(fs.fileExists("C:\\..\\..\\Music\\Song.mp3"));       // nothing is above a root
    EXPECT_TRUE(fs.directoryExists("C:\\Music\\"));
    EXPECT_TRUE(fs.directoryExists("C:\\"));
    EXPECT_FALSE(fs.fileExists("C:\\Music\\Song.mp3\\"));  // a trailing "\" names a directory
    EXPECT_FALSE(fs.directoryExists("C:\\Music\\Song.mp3"));
    write("C:\\Music\\Trailing.txt. ", {});  // Windows drops a last name's trailing dots and spaces
    EXPECT_EQ(fs.list("C:\\Music").back(), "Trailing.txt");
}

TEST_F(HeadlessFileSystemTest, RelativePathsStartAtTheCurrentDirectoryOfTheCurrentDrive) {
    EXPECT_EQ(fs.currentDirectory(), "C:\\");
    fs.changeDirectory("C:\\Program Files");
    EXPECT_EQ(fs.currentDirectory(), "C:\\Program Files");
    fs.putFile("notes.txt", "n");
    EXPECT_TRUE(fs.fileExists("C:\\Program Files\\notes.txt"));
    EXPECT_TRUE(fs.fileExists("C:notes.txt"));             // drive-relative: that drive's current directory
    EXPECT_TRUE(fs.fileExists("..\\Music\\Song.mp3"));
    EXPECT_TRUE(fs.fileExists("\\Music\\Song.mp3"));       // the current drive's root
    fs.changeDirectory("Mp3 Zelvio");
    EXPECT_EQ(fs.currentDirectory(), "C:\\Program Files\\Mp3 Zelvio");
    fs.changeDirectory("..\\..");
    EXPECT_EQ(fs.currentDirectory(), "C:\\");
}

TEST_F(HeadlessFileSystemTest, TheCurrentDirectoryKeepsTheSpellingItWasSetWith) {
    // GetCurrentDirectory gives back the path as SetCurrentDirectory got it,
    // resolved, but in the letter case and with the short names written.
    fs.changeDirectory("c:\\program files\\MP3 ZELVIO\\");
    EXPECT_EQ(fs.currentDirectory(), "c:\\program files\\MP3 ZELVIO");
    fs.changeDirectory("C:\\PROGRA~1\\MP3ZEL~1\\..");
    EXPECT_EQ(fs.currentDirectory(), "C:\\PROGRA~1");
    fs.changeDirectory("MP3ZEL~1");
    EXPECT_EQ(fs.currentDirectory(), "C:\\PROGRA~1\\MP3ZEL~1");
}

TEST_F(HeadlessFileSystemTest, EachDriveHasItsOwnRoot) {
    fs.addDrive('d');
    fs.putFile("D:\\Tracks\\One.wav", "1");
    EXPECT_FALSE(fs.fileExists("C:\\Tracks\\One.wav"));
    EXPECT_TRUE(fs.fileExists("d:Tracks\\One.wav"));  // another drive's relative path starts at its root
    fs.changeDirectory("D:\\Tracks");
    EXPECT_EQ(fs.currentDirectory(), "D:\\Tracks");
    EXPECT_TRUE(fs.fileExists("\\Tracks\\One.wav"));
    EXPECT_TRUE(fs.fileExists("C:\\Music\\Song.mp3"));
    fs.changeDirectory("d:\\");
    EXPECT_EQ(fs.currentDirectory(), "d:\\");
    EXPECT_EQ(errorOf([&] { fs.changeDirectory("Q:\\"); }), pathNotFound);
    EXPECT_EQ(errorOf([&] { fs.createText("Q:\\x.txt"); }), pathNotFound);
}

TEST_F(HeadlessFileSystemTest, ShortNamesStandInForLongNamesAtAnyLevel) {
    write("C:\\PROGRA~1\\mp3zel~1\\mpzelvio.cfg", {"ver 1.5"});
    EXPECT_TRUE(fs.fileExists("C:\\Program Files\\Mp3 Zelvio\\mpzelvio.cfg"));
    EXPECT_TRUE(fs.fileExists("C:\\Program Files\\MP3ZEL~1\\mpzelvio.cfg"));
    EXPECT_EQ(fs.list("C:\\Program Files\\Mp3 Zelvio"), Lines{"mpzelvio.cfg"});
    EXPECT_EQ(fs.shortName("c:\\program files"), "PROGRA~1");
    EXPECT_EQ(fs.shortName("C:\\PROGRA~1\\Mp3 Zelvio"), "MP3ZEL~1");
    EXPECT_EQ(fs.shortName("C:\\Music"), std::nullopt);         // none was given
    EXPECT_EQ(fs.shortName("C:\\Program Filez"), std::nullopt);  // no such directory
    EXPECT_EQ(fs.shortName("C:\\"), std::nullopt);
    // Windows never hands out a short name another entry answers to.
    EXPECT_THROW(fs.setShortName("C:\\Music", "program files"), std::logic_error);
    EXPECT_THROW(fs.setShortName("C:\\Music", "PROGRA~1"), std::logic_error);
}

TEST_F(HeadlessFileSystemTest, PathsNoWindowsCallTakesAreRefused) {
    EXPECT_EQ(errorOf([&] { fs.createText("C:\\Music\\what?.txt"); }),
              "The filename, directory name, or volume label syntax is incorrect");
    EXPECT_EQ(errorOf([&] { fs.openText("C:\\Music\\Song.mp3\\"); }),
              "The filename, directory name, or volume label syntax is incorrect");
    EXPECT_EQ(errorOf([&] { fs.openText("\\\\server\\share\\x.txt"); }), "The network path was not found");
    EXPECT_FALSE(fs.fileExists("C:\\Music\\a|b"));
    EXPECT_THROW(fs.createDirectory(""), InOutError);
    // An ANSI file call takes 259 characters at most.
    const std::string longName = "C:\\Music\\" + std::string(251, 'n');
    EXPECT_EQ(errorOf([&] { fs.createText(longName); }), "The filename or extension is too long");
    EXPECT_EQ(errorOf([&] { fs.createText(longName.substr(0, 259)); }), "");
}

// --- Errors and their texts --------------------------------------------------

TEST_F(HeadlessFileSystemTest, MissingThingsAreReportedAsWindowsReportsThem) {
    // The last name missing is a missing file, an earlier one a missing path.
    EXPECT_EQ(errorOf([&] { fs.changeDirectory("C:\\Vanished"); }), fileNotFound);
    EXPECT_EQ(errorOf([&] { fs.changeDirectory("C:\\Vanished\\Deeper"); }), pathNotFound);
    EXPECT_EQ(errorOf([&] { fs.changeDirectory("C:\\Music\\Song.mp3"); }), "The directory name is invalid");
    EXPECT_EQ(fs.currentDirectory(), "C:\\");
    EXPECT_EQ(errorOf([&] { fs.openText("C:\\Music\\none.txt"); }), fileNotFound);
    EXPECT_EQ(errorOf([&] { fs.openText("C:\\None\\none.txt"); }), pathNotFound);
    EXPECT_EQ(errorOf([&] { fs.openText("C:\\Music\\Song.mp3\\x"); }), pathNotFound);  // a file is no directory
    EXPECT_EQ(errorOf([&] { fs.openText("C:\\Music"); }), accessDenied);
    EXPECT_EQ(errorOf([&] { fs.createText("C:\\None\\new.txt"); }), pathNotFound);
    EXPECT_EQ(errorOf([&] { fs.createText("C:\\Music"); }), accessDenied);
    EXPECT_EQ(fs.fileSize("C:\\Music\\Song.mp3"), 3);
    EXPECT_EQ(fs.fileSize("C:\\Music\\none.mp3"), -1);
    EXPECT_EQ(fs.fileSize("C:\\None\\none.mp3"), -1);
    EXPECT_EQ(errorOf([&] { fs.fileSize("C:\\Music"); }), accessDenied);
    EXPECT_THROW(fs.fileBytes("C:\\Music\\none.mp3"), InOutError);
}

TEST_F(HeadlessFileSystemTest, DeleteAndCreateDirectoryAnswerFalseWhereWindowsFails) {
    fs.putFile("C:\\Music\\Locked.mp3", "");
    fs.setReadOnly("C:\\Music\\Locked.mp3", true);
    EXPECT_FALSE(fs.deleteFile("C:\\Music\\Locked.mp3"));
    EXPECT_FALSE(fs.deleteFile("C:\\Music\\none.mp3"));
    EXPECT_FALSE(fs.deleteFile("C:\\Program Files"));
    EXPECT_TRUE(fs.deleteFile("c:\\music\\song.mp3"));
    EXPECT_EQ(fs.list("C:\\Music"), Lines{"Locked.mp3"});

    EXPECT_EQ(errorOf([&] { fs.createDirectory("C:\\Music"); }), "Cannot create a file when that file already exists");
    EXPECT_EQ(errorOf([&] { fs.createDirectory("C:\\Music\\Locked.mp3"); }),
              "Cannot create a file when that file already exists");
    EXPECT_EQ(errorOf([&] { fs.createDirectory("C:\\None\\Sub"); }), "The system cannot find the path specified");
    fs.createDirectory("C:\\Music\\Sub\\");
    EXPECT_TRUE(fs.directoryExists("C:\\MUSIC\\SUB"));
}

TEST_F(HeadlessFileSystemTest, EachDriveHasItsBinAndOneWithoutAsksAQuestionTheTestMustAnswer) {
    using enum RecycleResult;
    fs.addDrive('D');
    fs.removeRecycleBin('D');
    fs.putFile("D:\\a.mp3", "a");
    EXPECT_EQ(fs.recycleFiles({"C:\\Music\\Song.mp3", "C:\\Music\\none.mp3", "D:\\a.mp3"}),
              (std::vector<RecycleResult>{Recycled, Kept, Kept}));
    ASSERT_EQ(fs.problems().size(), 1u);  // nobody answered D:'s question: No
    EXPECT_NE(fs.problems()[0].find("D:\\a.mp3"), std::string::npos);
    EXPECT_EQ(fs.recycled('c'), Lines{"C:\\Music\\Song.mp3"});
    fs.putFile("C:\\Music\\Song.mp3", "new");
    EXPECT_THROW(fs.restore("C:\\Music\\Song.mp3"), std::logic_error);  // its place is taken

    fs.answerDeleteForGood(false);
    fs.recordUnusedAnswers();
    EXPECT_EQ(fs.problems().size(), 2u);
}

// --- Text files --------------------------------------------------------------

TEST_F(HeadlessFileSystemTest, LinesEndAtCrLfOrABareLf) {
    const auto linesOf = [&](const std::string& bytes) {
        fs.putFile("C:\\t.txt", bytes);
        return readAllLines(fs, "C:\\t.txt");
    };
    EXPECT_EQ(linesOf("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(linesOf("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(linesOf("a\r\n\nb"), (Lines{"a", "", "b"}));  // a last line without an end is a line
    EXPECT_EQ(linesOf("a\rb\r\n"), (Lines{"a\rb"}));        // a bare CR ends nothing
    EXPECT_EQ(linesOf("\r\n"), (Lines{""}));
    EXPECT_EQ(linesOf(""), Lines{});
}

TEST_F(HeadlessFileSystemTest, WrittenLinesAreThereAsSoonAsTheyAreWritten) {
    fs.putFile("C:\\out.txt", "old contents\r\n");
    auto writer = fs.createText("C:\\out.txt");
    EXPECT_EQ(fs.fileBytes("C:\\out.txt"), "");  // replaced at once
    writer->writeLine("one");
    auto reader = fs.openText("C:\\out.txt");  // reads what was there when it opened
    writer->writeLine("");
    EXPECT_EQ(fs.fileBytes("C:\\out.txt"), "one\r\n\r\n");
    writer.reset();  // never closed: what was written stays
    EXPECT_EQ(fs.fileBytes("C:\\out.txt"), "one\r\n\r\n");
    std::string line;
    ASSERT_TRUE(reader->readLine(line));
    EXPECT_EQ(line, "one");
    EXPECT_FALSE(reader->readLine(line));

    writer = fs.createText("C:\\out.txt");
    writer->close();
    EXPECT_THROW(writer->writeLine("late"), InOutError);
    EXPECT_EQ(fs.fileSize("C:\\out.txt"), 0);
}

// --- Faults ------------------------------------------------------------------

TEST_F(HeadlessFileSystemTest, AFailedOpeningOrCreatingHitsThatFileByAnyOfItsNames) {
    write("C:\\Program Files\\Mp3 Zelvio\\a.cfg", {"x"});
    fs.failOpening("C:\\PROGRA~1\\MP3ZEL~1\\A.CFG");
    fs.failCreating("C:\\Music\\Song.mp3");
    fs.changeDirectory("C:\\Program Files");
    EXPECT_EQ(errorOf([&] { fs.openText("Mp3 Zelvio\\a.cfg"); }), accessDenied);
    EXPECT_EQ(errorOf([&] { fs.fileSize("c:\\program files\\mp3 zelvio\\a.cfg"); }), accessDenied);
    EXPECT_EQ(errorOf([&] { fs.createText("c:\\music\\song.mp3"); }), accessDenied);
    EXPECT_EQ(errorOf([&] { fs.replaceFile("Mp3 Zelvio\\a.cfg", "C:\\Music\\Song.mp3"); }), accessDenied);
    EXPECT_EQ(fs.fileBytes("C:\\Music\\Song.mp3"), "abc");
    EXPECT_EQ(errorOf([&] { fs.openText("C:\\Music\\Song.mp3"); }), "");  // each fault keeps to its file
    fs.clearFaults();
    EXPECT_EQ(errorOf([&] { fs.openText("Mp3 Zelvio\\a.cfg"); }), "");
    EXPECT_EQ(errorOf([&] { fs.createText("C:\\Music\\Song.mp3"); }), "");
}

TEST_F(HeadlessFileSystemTest, AFullDiskTakesTheGivenLinesThenFailsTheNextWriteOrTheClose) {
    for (std::size_t room = 0; room <= 4; ++room) {
        SCOPED_TRACE(room);
        fs.failWritingAfter(room);
        auto writer = fs.createText("C:\\out.txt");
        std::string failedAt;
        for (const char* line : {"1", "2", "3"}) {
            if ((failedAt = errorOf([&] { writer->writeLine(line); })) != "") break;
        }
        EXPECT_EQ(failedAt, room < 3 ? diskFull : "");
        EXPECT_EQ(errorOf([&] { writer->close(); }), diskFull);
        EXPECT_EQ(fs.fileBytes("C:\\out.txt"), std::string("1\r\n2\r\n3\r\n").substr(0, 3 * std::min<std::size_t>(room, 3)));
    }
    // The fault was used up by one file each time.
    EXPECT_EQ(errorOf([&] { write("C:\\out.txt", {"1", "2"}); }), "");
}

TEST_F(HeadlessFileSystemTest, AFullDiskForOneFileLeavesOthersAlone) {
    fs.failWritingAfter(1, "C:\\Music\\list.txt");
    EXPECT_EQ(errorOf([&] { write("C:\\other.txt", {"1", "2"}); }), "");
    EXPECT_EQ(errorOf([&] { write("c:\\MUSIC\\LIST.TXT", {"1", "2"}); }), diskFull);
    EXPECT_EQ(fs.fileBytes("C:\\Music\\list.txt"), "1\r\n");
}

TEST_F(HeadlessFileSystemTest, ReadOnlyFilesCanBeReadAndRenamedOnly) {
    fs.setReadOnly("C:\\Music\\Song.mp3", true);
    fs.putFile("C:\\new.mp3", "new");
    EXPECT_EQ(errorOf([&] { fs.createText("C:\\Music\\Song.mp3"); }), accessDenied);
    EXPECT_EQ(errorOf([&] { fs.replaceFile("C:\\new.mp3", "C:\\Music\\Song.mp3"); }), accessDenied);
    EXPECT_FALSE(fs.deleteFile("C:\\Music\\Song.mp3"));
    EXPECT_EQ(readAllLines(fs, "C:\\Music\\Song.mp3"), Lines{"abc"});
    EXPECT_TRUE(fs.renameFile("C:\\Music\\Song.mp3", "C:\\Music\\Renamed.mp3"));
    EXPECT_FALSE(fs.deleteFile("C:\\Music\\Renamed.mp3"));  // the attribute moved with it
    fs.setReadOnly("C:\\Music\\Renamed.mp3", false);
    EXPECT_TRUE(fs.deleteFile("C:\\Music\\Renamed.mp3"));
}

TEST_F(HeadlessFileSystemTest, AFileBeingWrittenCannotBeMovedReplacedOrDeleted) {
    auto writer = fs.createText("C:\\Music\\list.txt.tmp");
    EXPECT_EQ(errorOf([&] { fs.replaceFile("C:\\Music\\list.txt.tmp", "C:\\Music\\list.txt"); }), inUse);
    EXPECT_EQ(errorOf([&] { fs.replaceFile("C:\\Music\\Song.mp3", "C:\\Music\\list.txt.tmp"); }), inUse);
    EXPECT_EQ(errorOf([&] { fs.createText("C:\\Music\\list.txt.tmp"); }), inUse);
    EXPECT_FALSE(fs.deleteFile("C:\\Music\\list.txt.tmp"));
    EXPECT_FALSE(fs.renameFile("C:\\Music", "C:\\Songs"));  // nor can the directory holding it
    writer->close();
    EXPECT_EQ(errorOf([&] { fs.replaceFile("C:\\Music\\list.txt.tmp", "C:\\Music\\list.txt"); }), "");
}

// --- Rename and replace ------------------------------------------------------

TEST_F(HeadlessFileSystemTest, RenameNeverReplacesAndMovesWithinADrive) {
    fs.putFile("C:\\Music\\Other.mp3", "other");
    EXPECT_FALSE(fs.renameFile("C:\\Music\\Song.mp3", "C:\\Music\\OTHER.MP3"));
    EXPECT_FALSE(fs.renameFile("C:\\Music\\none.mp3", "C:\\Music\\x.mp3"));
    EXPECT_FALSE(fs.renameFile("C:\\Music\\Song.mp3", "C:\\None\\x.mp3"));
    EXPECT_EQ(fs.fileBytes("C:\\Music\\Other.mp3"), "other");

    EXPECT_TRUE(fs.renameFile("C:\\Music\\Song.mp3", "C:\\Music\\SONG.MP3"));  // a new letter case
    EXPECT_EQ(fs.list("C:\\Music"), (Lines{"SONG.MP3", "Other.mp3"}));
    EXPECT_TRUE(fs.renameFile("C:\\Music\\song.mp3", "C:\\Program Files\\Moved.mp3"));
    EXPECT_EQ(fs.fileBytes("C:\\PROGRA~1\\Moved.mp3"), "abc");
    EXPECT_FALSE(fs.fileExists("C:\\Music\\Song.mp3"));
}

TEST_F(HeadlessFileSystemTest, DirectoriesMoveWithWhatTheyHold) {
    EXPECT_TRUE(fs.renameFile("C:\\Music", "C:\\Program Files\\Songs"));
    EXPECT_EQ(fs.fileBytes("C:\\Program Files\\Songs\\Song.mp3"), "abc");
    EXPECT_FALSE(fs.renameFile("C:\\Program Files", "C:\\Program Files\\Songs\\Inner"));  // not into itself

    fs.changeDirectory("C:\\Program Files\\Songs");
    EXPECT_FALSE(fs.renameFile("C:\\Program Files", "C:\\Apps"));  // it holds the current directory
    EXPECT_FALSE(fs.renameFile("C:\\Program Files\\Songs", "C:\\Songs"));
    EXPECT_EQ(fs.currentDirectory(), "C:\\Program Files\\Songs");

    fs.addDrive('D');
    EXPECT_FALSE(fs.renameFile("C:\\Program Files\\Mp3 Zelvio", "D:\\Mp3 Zelvio"));
    EXPECT_TRUE(fs.renameFile("Song.mp3", "D:\\Song.mp3"));  // a file is copied across
    EXPECT_EQ(fs.fileBytes("D:\\Song.mp3"), "abc");
}

TEST_F(HeadlessFileSystemTest, ReplaceMovesOverTheTargetInOneStep) {
    fs.putFile("C:\\Music\\Song.tmp", "new");
    fs.setShortName("C:\\Music\\Song.tmp", "SONG~1.TMP");
    fs.replaceFile("C:\\Music\\Song.tmp", "C:\\Music\\Song.mp3");
    EXPECT_EQ(fs.fileBytes("C:\\Music\\Song.mp3"), "new");
    EXPECT_EQ(fs.list("C:\\Music"), Lines{"Song.mp3"});
    EXPECT_EQ(fs.shortName("C:\\Music\\Song.mp3"), std::nullopt);  // a new name, no old alias
    fs.replaceFile("C:\\Music\\Song.mp3", "C:\\Music\\Fresh.mp3");  // no target is fine too
    EXPECT_EQ(fs.list("C:\\Music"), Lines{"Fresh.mp3"});

    EXPECT_EQ(errorOf([&] { fs.replaceFile("C:\\Music\\Song.tmp", "C:\\Music\\Fresh.mp3"); }), fileNotFound);
    EXPECT_EQ(errorOf([&] { fs.replaceFile("C:\\Music\\Fresh.mp3", "C:\\None\\x.mp3"); }), pathNotFound);
    EXPECT_EQ(errorOf([&] { fs.replaceFile("C:\\Music\\Fresh.mp3", "C:\\Program Files"); }), accessDenied);
    fs.addDrive('D');
    EXPECT_EQ(errorOf([&] { fs.replaceFile("C:\\Music\\Fresh.mp3", "D:\\Fresh.mp3"); }),
              "The system cannot move the file to a different disk drive");
    EXPECT_EQ(fs.fileBytes("C:\\Music\\Fresh.mp3"), "new");
}

}  // namespace
}  // namespace zelvio
