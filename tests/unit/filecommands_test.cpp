// Deleting and renaming waves and MP3 files, with the rename dialog.

#include "program_fixture.h"


namespace zelvio {
namespace {

using Texts = std::vector<std::string>;

class FileCommandsTest : public ProgramTest {
protected:
    void SetUp() override {
        fs().makeDirectories("C:\\ZELVIO");
        fs().changeDirectory("C:\\ZELVIO");
        for (const char* name : {"a.wav", "b.wav", "c.wav"}) fs().putFile(std::string("C:\\WAVES\\") + name, "x");
        for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) fs().putFile(std::string("C:\\MUSIC\\") + name, "x");
        fs().putFile("C:\\MUSIC\\index.dat", crlf({"a.mp3", "Song A", "", ""}));
        fs().putFile("C:\\ZELVIO\\mpzelvio.cfg", crlf({"ver 1.2", "C:\\WAVES", "C:\\MUSIC", "", "", "-hq", "0"}));
        start();
    }
    // The new names the rename dialogs get in turn; "" cancels that one.
    void renameTo(const Texts& names) {
        for (const std::string& name : names) {
            toolkit().whenShownModally("Trenamedialog", [this, name](Form&) {
                const RenameDialogView& d = renameDialog();
                shownNames.push_back(d.oldnameedit.text());
                if (name.empty()) {
                    d.CancelButt.click();
                    return;
                }
                d.newnameedit.type(name);
                d.pressKey('\r');  // to OK
                d.pressKey('\r');  // pressed
            });
        }
    }
    Texts shownNames;
};

TEST_F(FileCommandsTest, DeletingWavesAsksOnceAndRefreshesInEveryCase) {
    main().recfilelist.choose({0, 2});
    toolkit().answerMessageBox(MessageResult::Yes);
    main().WaveDelete1.click();
    EXPECT_EQ(boxes().at(0).text, "Are you sure you want to delete the selected file(s)?");
    EXPECT_EQ(main().recfilelist.items(), Texts{"b.wav"});

    fs().putFile("C:\\WAVES\\new.wav", "x");
    main().recfilelist.choose({0});
    toolkit().answerMessageBox(MessageResult::Cancel);
    main().Delete1.click();
    EXPECT_EQ(main().recfilelist.count(), 2u);  // nothing deleted, the list refreshed all the same
    main().settings.cdmode = CdMode::AudioCd;
    main().recfilelist.choose({0});
    main().WaveDelete1.click();  // CD mode: no question, nothing deleted
    EXPECT_EQ(boxes().size(), 2u);
    EXPECT_EQ(main().recfilelist.count(), 2u);
    EXPECT_EQ(fs().recycled('C'), (Texts{"C:\\WAVES\\a.wav", "C:\\WAVES\\c.wav"}));
}

TEST_F(FileCommandsTest, DeletedFilesGoToTheRecycleBinAndComeBackWhole) {
    fs().putFile("C:\\MUSIC\\b.mp3", "the b song");
    main().mpsonglist.choose({1, 2});
    toolkit().answerMessageBox(MessageResult::Yes);
    main().Mp3Delete1.click();
    EXPECT_EQ(boxes().at(0).text, "Are you sure you want to delete the selected Mp3(s)?");
    EXPECT_EQ(main().mp3list.items(), Texts{"a.mp3"});
    EXPECT_EQ(main().mpsonglist.count(), 1u);
    EXPECT_FALSE(fs().fileExists("C:\\MUSIC\\b.mp3"));
    EXPECT_EQ(fs().recycled('C'), (Texts{"C:\\MUSIC\\b.mp3", "C:\\MUSIC\\c.mp3"}));
    EXPECT_TRUE(fs().deleteForGoodQuestions().empty());

    fs().restore("C:\\MUSIC\\b.mp3");
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\b.mp3"), "the b song");
    main().mp3dir.update();
    main().mp3list.update();
    EXPECT_EQ(main().mp3list.items(), (Texts{"a.mp3", "b.mp3"}));
    EXPECT_EQ(fs().recycled('C'), Texts{"C:\\MUSIC\\c.mp3"});
}

TEST_F(FileCommandsTest, WithoutARecycleBinNothingIsDeletedUnlessTheUserAgreesToLoseIt) {
    fs().removeRecycleBin('C');
    main().mpsonglist.choose({0, 1});
    toolkit().answerMessageBox(MessageResult::Yes);
    fs().answerDeleteForGood(false);
    main().Mp3Delete1.click();
    ASSERT_EQ(fs().deleteForGoodQuestions().size(), 1u);  // one question for the whole selection
    EXPECT_EQ(fs().deleteForGoodQuestions()[0], (Texts{"C:\\MUSIC\\a.mp3", "C:\\MUSIC\\b.mp3"}));
    EXPECT_EQ(main().mp3list.items(), (Texts{"a.mp3", "b.mp3", "c.mp3"}));

    main().recfilelist.choose({1});
    toolkit().answerMessageBox(MessageResult::Yes);
    fs().answerDeleteForGood(true);
    main().WaveDelete1.click();
    EXPECT_EQ(main().recfilelist.items(), (Texts{"a.wav", "c.wav"}));
    EXPECT_EQ(fs().deleteForGoodQuestions().at(1), Texts{"C:\\WAVES\\b.wav"});
    EXPECT_TRUE(fs().recycled('C').empty());
}

TEST_F(FileCommandsTest, AFileThatCannotBeDeletedIsPassedOverWithoutAWord) {
    fs().hold("C:\\MUSIC\\a.mp3");  // a player has it open
    fs().setReadOnly("C:\\MUSIC\\b.mp3", true);
    main().mpsonglist.choose({0, 1, 2});
    toolkit().answerMessageBox(MessageResult::Yes);
    main().Mp3Delete1.click();
    EXPECT_EQ(main().mp3list.items(), (Texts{"a.mp3", "b.mp3"}));
    EXPECT_EQ(fs().recycled('C'), Texts{"C:\\MUSIC\\c.mp3"});
    EXPECT_EQ(boxes().size(), 1u);

    // Where there is no bin, the question names only what can be deleted.
    fs().removeRecycleBin('C');
    main().recfilelist.choose({0, 1});
    fs().hold("C:\\WAVES\\a.wav");
    toolkit().answerMessageBox(MessageResult::Yes);
    fs().answerDeleteForGood(true);
    main().Delete1.click();
    EXPECT_EQ(fs().deleteForGoodQuestions(), std::vector<Texts>{{"C:\\WAVES\\b.wav"}});
    EXPECT_EQ(main().recfilelist.items(), (Texts{"a.wav", "c.wav"}));
}

TEST_F(FileCommandsTest, RenamingWavesAsksForEachInListOrderAndCancelSkipsOne) {
    main().recfilelist.choose({0, 1, 2});
    renameTo({"x.wav", "", "z.wav"});
    main().Rename1.click();
    EXPECT_EQ(shownNames, (Texts{"a.wav", "b.wav", "c.wav"}));
    EXPECT_EQ(main().recfilelist.items(), (Texts{"b.wav", "x.wav", "z.wav"}));

    // In CD mode the list's items are tracks: no dialog, nothing renamed.
    main().settings.cdmode = CdMode::AudioCd;
    main().recfilelist.choose({0});
    main().WaveRename1.click();
    EXPECT_EQ(shownNames.size(), 3u);
    EXPECT_EQ(main().recfilelist.items(), (Texts{"b.wav", "x.wav", "z.wav"}));
}

TEST_F(FileCommandsTest, Mp3CommandsRefreshOnlyWhenSomethingChanged) {
    main().mpsonglist.choose({1});
    toolkit().answerMessageBox(MessageResult::Cancel);
    main().Mp3Delete1.click();
    EXPECT_EQ(main().mpsonglist.count(), 3u);

    main().mpsonglist.choose({0, 1, 2});
    renameTo({"", "", ""});
    fs().putFile("C:\\MUSIC\\d.mp3", "x");  // a rebuild would show it
    main().Mp3Rename1.click();
    EXPECT_EQ(main().mpsonglist.count(), 3u);

    renameTo({"one.mp3", "", "three.mp3"});
    main().Rename2.click();
    EXPECT_EQ(main().mp3list.items(), (Texts{"b.mp3", "d.mp3", "one.mp3", "three.mp3"}));
    EXPECT_EQ(main().mpsonglist.items()[2], "one.mp3");  // renamed: no longer paired with "Song A"

    main().mpsonglist.choose({0});
    toolkit().answerMessageBox(MessageResult::Yes);
    main().Delete2.click();
    EXPECT_EQ(main().mp3list.items(), (Texts{"d.mp3", "one.mp3", "three.mp3"}));
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), crlf({"a.mp3", "Song A", "", ""}));  // the index untouched
}

TEST_F(FileCommandsTest, ARefusedNameIsCorrectedInTheOpenDialog) {
    toolkit().whenShownModally("Trenamedialog", [this](Form&) {
        const RenameDialogView& d = renameDialog();
        d.newnameedit.type("..\\b.mp3");
        d.pressKey('\r');
        d.pressKey('\r');
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].text.substr(0, 10), "\"..\\b.mp3\"");
        // The typed name is selected: what the user types next replaces it.
        d.pressKey('z');
        EXPECT_EQ(d.newnameedit.text(), "z");
        d.newnameedit.type("z.mp3");
        d.pressKey('\r');
        d.pressKey('\r');
    });
    main().mpsonglist.choose({1});
    main().Mp3Rename1.click();
    EXPECT_TRUE(fs().fileExists("C:\\MUSIC\\z.mp3"));
    EXPECT_FALSE(fs().fileExists("C:\\MUSIC\\b.mp3"));
    EXPECT_FALSE(fs().fileExists("C:\\b.mp3"));
}

TEST_F(FileCommandsTest, AnEmptiedNameRenamesNothing) {
    main().mpsonglist.choose({0});
    toolkit().whenShownModally("Trenamedialog", [this](Form&) {
        const RenameDialogView& d = renameDialog();
        EXPECT_TRUE(d.newnameedit.focused());
        EXPECT_EQ(d.newnameedit.text(), "a.mp3");
        d.newnameedit.type("");
        d.Okbutt.click();
    });
    main().Mp3Rename1.click();
    EXPECT_EQ(main().mp3list.items(), (Texts{"a.mp3", "b.mp3", "c.mp3"}));
}

}  // namespace
}  // namespace zelvio
