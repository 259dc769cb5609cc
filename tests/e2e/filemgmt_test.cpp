// The index editor and the file commands on the real windows, driven by the
// keyboard the way their dialogs are meant to be used; deleted files in
// Wine's Recycle Bin, the XDG trash.

#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/trash.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

class FileManagementTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.createDirectory("waves");
        dir.createDirectory("music");
        for (const char* name : {"one.wav", "two.wav"}) dir.writeFile(std::string("waves\\") + name, "x");
        for (const char* name : {"a.mp3", "b.mp3"}) dir.writeFile(std::string("music\\") + name, "x");
        dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.pathOf("waves"), dir.pathOf("music"), "", "", "-hq",
                                                 "0", "", "", "", "100", "80", "640", "482"}));
        start();
    }
    // Starts the program anew, ending the one before.
    void start() {
        program.reset();
        program = std::make_unique<TestProcess>(programBeside("mpzelvio.exe"), dir.path());
        mainWindow = waitForWindow(*program, "Mp3 Zelvio V 0.93");
        songs = findControl(mainWindow, "mpsonglist");
    }
    // Chooses a delete command and answers its question Yes.
    void deleteSelected(const std::vector<std::string>& menuPath) {
        chooseMenuItem(mainWindow, menuPath);
        pressButton(waitForMessageBox(*program, "Confirm").window, "&Yes");
    }
    void select(HWND list, const std::vector<int>& items) {
        selectItems(list, items);
        ASSERT_TRUE(pollUntil([&] { return selectedItems(list) == items; }, kDefaultTimeout));
    }
    // Types into the field that has the focus, then Enter.
    void typeAndEnter(HWND field, const std::string& text) {
        ASSERT_TRUE(waitForFocus(field)) << windowLabel(field) << " never got the focus";
        typeText(field, text);
        pressKey(field, VK_RETURN);
    }

    WorkDirectory dir;
    std::unique_ptr<TestProcess> program;
    HWND mainWindow = nullptr;
    HWND songs = nullptr;
};

TEST_F(FileManagementTest, TwoSongsAreIndexedByTypingWithEnter) {
    select(songs, {0, 1});
    chooseMenuItem(mainWindow, {"&File", "&Index Edit"});
    const HWND editor = waitForForm(*program, "Tindexeditor");
    const HWND title = findControl(editor, "Songnameedit");
    typeAndEnter(title, "First Song");
    typeAndEnter(findControl(editor, "Artistnameedit"), "The Band");
    typeAndEnter(findControl(editor, "lengthedit"), "3:00");
    ASSERT_TRUE(pollUntil([&] { return readText(findControl(editor, "Filenameedit")) == "b.mp3"; }, kDefaultTimeout));
    typeAndEnter(title, "Second Song");
    typeAndEnter(findControl(editor, "Artistnameedit"), "");
    typeAndEnter(findControl(editor, "lengthedit"), "4:00");
    ASSERT_TRUE(waitForFocus(title));
    click(findControl(editor, "okbutt"));
    ASSERT_TRUE(waitUntilClosed(editor));

    EXPECT_EQ(dir.readFile("music\\index.dat"),
              joinLines({"a.mp3", "First Song", "The Band", "3:00", "b.mp3", "Second Song", "", "4:00"}));
    ASSERT_TRUE(pollUntil([&] { return listItems(songs).at(0).substr(0, 10) == "First Song"; }, kDefaultTimeout));
    EXPECT_EQ(listItems(songs).at(1).substr(0, 11), "Second Song");
}

TEST_F(FileManagementTest, AWaveIsDeletedAfterYesAndAnMp3RenamedWithEnterEnter) {
    const HWND waves = findControl(mainWindow, "recfilelist");
    select(waves, {0});
    chooseMenuItem(mainWindow, {"&File", "De&lete Wave "});
    const MessageBoxView question = waitForMessageBox(*program, "Confirm");
    EXPECT_EQ(question.text, "Are you sure you want to delete the selected file(s)?");
    pressButton(question.window, "&Yes");
    ASSERT_TRUE(pollUntil([&] { return listItems(waves) == std::vector<std::string>{"two.wav"}; }, kDefaultTimeout));
    EXPECT_FALSE(dir.exists("waves\\one.wav"));

    select(songs, {1});
    chooseMenuItem(mainWindow, {"&File", "&Rename Mp3 "});
    const HWND dialog = waitForForm(*program, "Trenamedialog");
    EXPECT_EQ(readText(findControl(dialog, "oldnameedit")), "b.mp3");
    typeAndEnter(findControl(dialog, "newnameedit"), "renamed.mp3");
    const HWND ok = findControl(dialog, "Okbutt");
    ASSERT_TRUE(waitForFocus(ok));
    pressKey(ok, VK_RETURN);
    ASSERT_TRUE(waitUntilClosed(dialog));
    // The program renames once the dialog is gone.
    EXPECT_TRUE(pollUntil([&] { return dir.exists("music\\renamed.mp3"); }, kDefaultTimeout));
    EXPECT_TRUE(pollUntil([&] { return listItems(songs) == std::vector<std::string>{"a.mp3", "renamed.mp3"}; },
                          kDefaultTimeout));
}

TEST_F(FileManagementTest, ADeletedMp3WaitsInTheTrashAndIsListedAgainOnceRestored) {
    if (trashDirectory().empty()) GTEST_SKIP() << "ZELVIO_TRASH_DIR is not set: run this test through tools/run-e2e.sh";
    dir.writeFile("music\\a.mp3", "the a song");
    select(songs, {0});
    chooseMenuItem(mainWindow, {"&File", "&Delete Mp3 "});
    const MessageBoxView question = waitForMessageBox(*program, "Confirm");
    EXPECT_EQ(question.text, "Are you sure you want to delete the selected Mp3(s)?");
    pressButton(question.window, "&Yes");
    ASSERT_TRUE(pollUntil([&] { return listItems(songs) == std::vector<std::string>{"b.mp3"}; }, kDefaultTimeout));
    EXPECT_FALSE(dir.exists("music\\a.mp3"));
    const auto trashed = trashedFrom(dir.pathOf("music\\a.mp3"));
    ASSERT_TRUE(trashed) << "no .trashinfo in " << trashDirectory() << " names " << dir.pathOf("music\\a.mp3");
    EXPECT_EQ(readFileAt(*trashed), "the a song");

    restoreFromTrash(dir.pathOf("music\\a.mp3"));
    chooseMenuItem(mainWindow, {"&View", "Refresh"});
    EXPECT_TRUE(pollUntil([&] { return listItems(songs) == std::vector<std::string>{"a.mp3", "b.mp3"}; },
                          kDefaultTimeout));
    EXPECT_EQ(dir.readFile("music\\a.mp3"), "the a song");
}

TEST_F(FileManagementTest, AHeldWaveIsPassedOverWithoutAWordAndTheOneAfterItStillGoes) {
    if (trashDirectory().empty()) GTEST_SKIP() << "ZELVIO_TRASH_DIR is not set: run this test through tools/run-e2e.sh";
    HeldFile held(dir.pathOf("waves\\one.wav"));
    const HWND waves = findControl(mainWindow, "recfilelist");
    select(waves, {0, 1});
    deleteSelected({"&File", "De&lete Wave "});
    // Wine's own question, should the file reach its trash.
    EXPECT_FALSE(messageBoxShows(*program, "Confirm file deletion"));
    ASSERT_TRUE(pollUntil([&] { return listItems(waves) == std::vector<std::string>{"one.wav"}; }, kDefaultTimeout));
    EXPECT_TRUE(trashedFrom(dir.pathOf("waves\\two.wav")));
    EXPECT_FALSE(trashedFrom(dir.pathOf("waves\\one.wav")));
}

TEST_F(FileManagementTest, WithoutATrashAnMp3IsDeletedForGoodOnlyAfterAClearYes) {
    if (trashDirectory().empty()) GTEST_SKIP() << "ZELVIO_TRASH_DIR is not set: run this test through tools/run-e2e.sh";
    TrashOutOfReach noTrash;
    start();  // a program looks for its trash once
    select(songs, {0});
    deleteSelected({"&File", "&Delete Mp3 "});
    const MessageBoxView warning = waitForMessageBox(*program, "Delete File");
    EXPECT_NE(warning.text.find("a.mp3\" cannot go to the Recycle Bin"), std::string::npos) << warning.text;
    EXPECT_NE(warning.text.find("delete it for good"), std::string::npos) << warning.text;
    pressButton(warning.window, "&No");
    EXPECT_FALSE(messageBoxShows(*program, "Confirm file deletion"));
    EXPECT_TRUE(dir.exists("music\\a.mp3"));

    select(songs, {0, 1});
    deleteSelected({"&File", "&Delete Mp3 "});
    pressButton(waitForMessageBox(*program, "Delete Multiple Items").window, "&Yes");
    EXPECT_TRUE(pollUntil([&] { return listItems(songs).empty(); }, kDefaultTimeout));
    EXPECT_FALSE(dir.exists("music\\a.mp3"));
    EXPECT_FALSE(dir.exists("music\\b.mp3"));
}

}  // namespace
}  // namespace zelvio::e2e
