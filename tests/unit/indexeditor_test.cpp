// The index editor: songs indexed by typing, entries paired, edited and
// removed in a working copy that reaches the disk only through OK.

#include "program_fixture.h"

#include "windows/indexeditor/indexeditor.h"

#include "mp3_bytes.h"

namespace zelvio {
namespace {

// The editor behind its view: the index it works on, which it does not show.
const Tindexeditor& editorOf(const IndexEditorView& view) { return dynamic_cast<const Tindexeditor&>(view.window); }

using Texts = std::vector<std::string>;

class IndexEditorTest : public ProgramTest {
protected:
    void SetUp() override {
        fs().makeDirectories("C:\\ZELVIO");
        fs().changeDirectory("C:\\ZELVIO");
        for (const char* name : {"a.mp3", "b.mp3", "SONG.MP3"}) fs().putFile(std::string("C:\\MUSIC\\") + name, "x");
    }
    void startIn(const std::string& music) {
        fs().putFile("C:\\ZELVIO\\mpzelvio.cfg", crlf({"ver 1.2", "C:\\ZELVIO", music, "", "", "-hq", "0"}));
        start();
    }
    IndexEditorView editor() { return indexEditor(); }
    // Opens the editor on these song-list rows and runs `inEditor` in it.
    void edit(const std::vector<std::size_t>& rows, std::function<void(const IndexEditorView&)> inEditor) {
        main().mpsonglist.choose(rows);
        toolkit().whenShownModally("Tindexeditor", [this, inEditor](Form&) { inEditor(editor()); });
        main().IndexEdit1.click();
    }
    // Types a file's three fields with Enter after each, as the keyboard loop goes.
    static void typeEntry(const IndexEditorView& e, const std::string& title, const std::string& artist,
                          const std::string& length) {
        for (const std::string* text : {&title, &artist, &length}) {
            static_cast<Edit*>(e.focusedControl())->type(*text);
            e.pressKey('\r');
        }
    }
};

TEST_F(IndexEditorTest, NoSelectionShowsTheMessageAndNoEditor) {
    startIn("C:\\MUSIC");
    main().IndexEdit2.click();
    EXPECT_EQ(boxes().at(0).text, "You must first select some MP3 Files to index");
    EXPECT_TRUE(toolkit().modalShows().empty());
}

TEST_F(IndexEditorTest, TypingIndexesFileAfterFileAndOkWritesANewIndex) {
    startIn("C:\\MUSIC");
    edit({0, 1, 2}, [](const IndexEditorView& e) {
        EXPECT_EQ(editorOf(e).indexpath(), "C:\\MUSIC\\index.dat");
        EXPECT_TRUE(e.Songnameedit.focused());
        typeEntry(e, "First", "Band", "3:00");
        EXPECT_EQ(e.Filenameedit.text(), "b.mp3");  // the next file came up
        typeEntry(e, "", "Lost artist", "1:00");    // no title: nothing stored
        typeEntry(e, "Third", "", "");
        EXPECT_EQ(e.filelist.itemIndex(), 2);       // the last file stays
        EXPECT_EQ(e.Songnameedit.text(), "Third");
        e.okbutt.click();
    });
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), crlf({"a.mp3", "First", "Band", "3:00", "SONG.MP3", "Third", "", ""}));
    EXPECT_EQ(main().mpsonglist.items()[0].substr(0, 5), "First");  // rebuilt at once
}

TEST_F(IndexEditorTest, AnIndexInTheDriveRootAndOkWithoutTypingWritesItEmpty) {
    fs().putFile("C:\\x.mp3", "");
    startIn("C:\\");
    edit({0}, [](const IndexEditorView& e) {
        EXPECT_EQ(editorOf(e).indexpath(), "C:\\index.dat");
        e.okbutt.click();
    });
    EXPECT_EQ(fs().fileBytes("C:\\index.dat"), "");
}

TEST_F(IndexEditorTest, TheLaterOfTwoEntriesIsEditedAndTheRestWrittenBackUnchanged) {
    const Texts index = {"song.mp3", "Old", "X", "1:00",     "other.mp3", "b.mp3", "Y", "2:00",
                         "Song.mp3", "New", "Z", "3:00"};
    fs().putFile("C:\\MUSIC\\index.dat", crlf(index));
    startIn("C:\\MUSIC");
    edit({1, 2}, [](const IndexEditorView& e) {
        EXPECT_EQ(editorOf(e).entries().entryline(), (std::vector<int>{-1, 8}));  // "b.mp3" as another song's title never pairs
        e.filelist.choose({1});
        EXPECT_EQ(e.Songnameedit.text(), "New");
        e.Artistnameedit.type("Zed");
        e.Songnameedit.type("");  // an emptied title leaves the stored one
        e.okbutt.click();
    });
    Texts changed = index;
    changed[10] = "Zed";
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), crlf(changed));
}

TEST_F(IndexEditorTest, RemoveKeepsEveryOtherFileOnItsOwnEntryAndCancelKeepsTheFile) {
    const std::string bytes = crlf({"a.mp3", "A", "", "", "b.mp3", "B", "", "", "song.mp3", "S", "", ""});
    fs().putFile("C:\\MUSIC\\index.dat", bytes);
    startIn("C:\\MUSIC");
    edit({0, 1, 2}, [](const IndexEditorView& e) {
        e.filelist.choose({1});
        e.Removebutt.click();
        EXPECT_EQ(e.Songnameedit.text(), "");
        e.filelist.choose({2});
        EXPECT_EQ(e.Songnameedit.text(), "S");
        e.filelist.choose({0});
        EXPECT_EQ(e.Songnameedit.text(), "A");
        e.cancelbutt.click();
    });
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), bytes);
    edit({0, 1, 2}, [this](const IndexEditorView& e) {
        fs().deleteFile("C:\\MUSIC\\index.dat");  // so that only a write brings it back
        e.okbutt.click();
    });
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), bytes);  // OK without changes: the same lines
}

TEST_F(IndexEditorTest, OkByItsLetterTakesTheFocusedFieldsText) {
    startIn("C:\\MUSIC");
    edit({0}, [](const IndexEditorView& e) {
        e.Songnameedit.type("Typed");
        e.okbutt.clicked();  // Alt+O: the focus stays in the field
    });
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), crlf({"a.mp3", "Typed", "", ""}));
}

class TagOfferTest : public IndexEditorTest {
protected:
    void SetUp() override {
        IndexEditorTest::SetUp();
        fs().putFile("C:\\MUSIC\\a.mp3", tagged("Tag A", "Artist A"));
        fs().putFile("C:\\MUSIC\\b.mp3", tagged("Tag B", "Artist B"));
        fs().putFile("C:\\MUSIC\\index.dat", crlf({"b.mp3", "Entry B", "X", "1:00"}));
        startIn("C:\\MUSIC");
    }
    static std::string tagged(const std::string& title, const std::string& artist) {
        return id3Tag({id3Frame("TIT2", title), id3Frame("TPE1", artist), id3Frame("TLEN", "200000")}) +
               mpegFrames(4);
    }
    static Texts fields(const IndexEditorView& e) {
        return {e.Filenameedit.text(), e.Songnameedit.text(), e.Artistnameedit.text(), e.lengthedit.text()};
    }
    void expectMp3sUntouched() {
        EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\a.mp3"), tagged("Tag A", "Artist A"));
        EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\b.mp3"), tagged("Tag B", "Artist B"));
    }
};

TEST_F(TagOfferTest, AFileWithoutAnEntryIsOfferedItsTagAndOneOkStoresIt) {
    edit({0, 1, 2}, [](const IndexEditorView& e) {
        EXPECT_EQ(fields(e), (Texts{"a.mp3", "Tag A", "Artist A", "3:20"}));
        e.filelist.choose({1});
        EXPECT_EQ(fields(e), (Texts{"b.mp3", "Entry B", "X", "1:00"}));  // the index beats the tag
        e.filelist.choose({2});
        EXPECT_EQ(fields(e), (Texts{"SONG.MP3", "", "", ""}));  // no tag: blank
        e.okbutt.click();
    });
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"),
              crlf({"b.mp3", "Entry B", "X", "1:00", "a.mp3", "Tag A", "Artist A", "3:20"}));
    expectMp3sUntouched();
}

// A tag that names an artist and no title offers nothing: the fields stay
// blank, and OK stores no entry for the file.
TEST_F(TagOfferTest, AnArtistWithoutATitleIsNoOffer) {
    const std::string artistOnly = id3Tag({id3Frame("TPE1", "Only Artist")}) + mpegFrames(4);
    fs().putFile("C:\\MUSIC\\SONG.MP3", artistOnly);
    const std::string index = fs().fileBytes("C:\\MUSIC\\index.dat");
    main()["Refresh1"].click();
    edit({2}, [](const IndexEditorView& e) {
        EXPECT_EQ(fields(e), (Texts{"SONG.MP3", "", "", ""}));
        e.okbutt.click();
    });
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), index);
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\SONG.MP3"), artistOnly);
}

TEST_F(TagOfferTest, NothingIsWrittenUnlessSavedAndADeclinedOfferStaysOut) {
    const std::string index = fs().fileBytes("C:\\MUSIC\\index.dat");
    edit({0, 1}, [](const IndexEditorView& e) { e.cancelbutt.click(); });
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), index);

    // The offered title emptied, or the entry removed: the tag is not taken.
    edit({0}, [](const IndexEditorView& e) {
        e.Songnameedit.type("");
        e.Artistnameedit.setFocus();
        e.okbutt.click();
    });
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), index);
    edit({0}, [](const IndexEditorView& e) {
        e.Removebutt.click();
        EXPECT_EQ(fields(e), (Texts{"a.mp3", "", "", ""}));
        e.okbutt.click();
    });
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), index);

    // Edited before OK: what the fields hold is stored, once.
    edit({0}, [](const IndexEditorView& e) {
        e.Artistnameedit.type("Someone Else");
        e.okbutt.click();
    });
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), index + crlf({"a.mp3", "Tag A", "Someone Else", "3:20"}));
    expectMp3sUntouched();
}

}  // namespace
}  // namespace zelvio
