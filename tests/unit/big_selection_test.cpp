// Two thousand waves and songs selected at once: every command goes through
// all of them, none dropped at a table's end.

#include "program_fixture.h"

#include "wave_header.h"

#include <cstdio>
#include <numeric>

namespace zelvio {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;

constexpr std::size_t many = 2000;

// "0000" to "1999": the lists sort them in the order they were made.
std::string number(std::size_t k) {
    char text[8];
    std::snprintf(text, sizeof text, "%04zu", k);
    return text;
}

class BigSelection : public ProgramTest {
protected:
    void SetUp() override {
        fs().makeDirectories("C:\\ZELVIO");
        fs().changeDirectory("C:\\ZELVIO");
        fs().putFile("C:\\ZELVIO\\PLAY.EXE", "MZ");
        for (std::size_t k = 0; k < many; ++k) {
            fs().putFile("C:\\WAVES\\wave " + number(k) + ".wav", waveLasting(1s));
            fs().putFile("C:\\MP3\\song" + number(k) + ".mp3", "x");
        }
        fs().putFile("C:\\ZELVIO\\mpzelvio.cfg", crlf({"ver 1.2", "C:\\WAVES", "C:\\MP3", "C:\\ENC.EXE",
                                                       "C:\\ZELVIO\\PLAY.EXE", "-hq", "0"}));
        start();
        ASSERT_EQ(main().recfilelist.count(), many);
        ASSERT_EQ(main().mpsonglist.count(), many);
    }
    static std::vector<std::size_t> all() {
        std::vector<std::size_t> items(many);
        std::iota(items.begin(), items.end(), 0);
        return items;
    }
};

TEST_F(BigSelection, TheWavePanePlaysEveryWave) {
    main().recfilelist.choose(all());
    main().recplay.click();
    Texts opened;
    for (const std::string& command : headless.media.commands()) {
        if (command.starts_with("open \"C:\\WAVES\\")) opened.push_back(command.substr(15, 14));
    }
    ASSERT_EQ(opened.size(), many);
    EXPECT_EQ(opened.front(), "wave 0000.wav\"");
    EXPECT_EQ(opened.back(), "wave 1999.wav\"");
}

TEST_F(BigSelection, ThePlaylistHoldsEverySong) {
    if (main().sortmenu.checked()) main().sortmenu.click();  // in list order, not shuffled
    main().mpsonglist.choose(all());
    main().mp3play.click();
    std::string expected;
    for (std::size_t k = 0; k < many; ++k) expected += "song" + number(k) + ".mp3\r\n";
    const std::string playlist = fs().fileBytes("C:\\ZELVIO\\mpzelv.m3u");
    EXPECT_EQ(std::count(playlist.begin(), playlist.end(), '\n'), static_cast<long>(many));
    EXPECT_TRUE(playlist == expected);
    EXPECT_EQ(headless.launcher.starts().size(), 1u);
}

TEST_F(BigSelection, EveryWaveIsListedForEncodingAndEncoded) {
    main().recfilelist.choose(all());
    toolkit().answerMessageBox(MessageResult::Yes);
    toolkit().whenShownModally("TIndexdata", [this](Form&) {
        const IndexDataView& d = indexData();
        ASSERT_EQ(d.FileList.count(), many);
        d.FileList.setItemIndex(static_cast<int>(many - 1));
        d.FileList.click();
        EXPECT_EQ(d.compressname.text(), "wave 1999.mp3");
        d.songedit.setText("Last");
        d.Button1.click();
        toolkit().answerMessageBox(MessageResult::Yes);  // to save the index first
        d.compresnow.click();
        d.Okbutt.click();
    });
    main().compilebutt.click();
    EXPECT_EQ(boxes().at(0).text, "Encode the selected 2000 files?");
    const auto& runs = headless.launcher.watched();
    ASSERT_EQ(runs.size(), many);
    EXPECT_EQ(runs.back().commandLine,
              "command.com /c C:\\ENC.EXE \"C:\\WAVES\\wave 1999.wav\" C:\\MP3\\wave_1999.mp3 -hq");
    // Each run is told, and that it made no MP3.
    const Texts memo = information().outputmemo.lines();
    ASSERT_EQ(memo.size(), 2 * many);
    EXPECT_EQ(memo.back(), "No MP3 file was made: C:\\MP3\\wave_1999.mp3");
}

TEST_F(BigSelection, TheIndexEditorTakesEverySongAndWritesEveryEntry) {
    main().mpsonglist.choose(all());
    toolkit().whenShownModally("Tindexeditor", [this](Form&) {
        const IndexEditorView& e = indexEditor();
        ASSERT_EQ(e.filelist.count(), many);
        EXPECT_EQ(e.filelist.items().back(), "song1999.mp3");
        for (std::size_t k = 0; k < many; ++k) {
            for (const std::string& text : {"Title " + number(k), std::string("Artist"), std::string("1:00")}) {
                static_cast<Edit*>(e.focusedControl())->type(text);
                e.pressKey('\r');
            }
        }
        e.okbutt.click();
    });
    main().IndexEdit1.click();
    const std::string index = fs().fileBytes("C:\\MP3\\index.dat");
    EXPECT_EQ(std::count(index.begin(), index.end(), '\n'), static_cast<long>(4 * many));
    EXPECT_TRUE(index.ends_with("song1999.mp3\r\nTitle 1999\r\nArtist\r\n1:00\r\n"));
    EXPECT_EQ(main().mpsonglist.items().back().substr(0, 10), "Title 1999");
}

TEST_F(BigSelection, EverySelectedFileIsRenamedThenDeleted) {
    for (std::size_t k = 0; k < many; ++k) {
        toolkit().whenShownModally("Trenamedialog", [this, k](Form&) {
            const RenameDialogView& d = renameDialog();
            d.newnameedit.type("r" + number(k) + ".mp3");
            d.pressKey('\r');
            d.pressKey('\r');
        });
    }
    main().mpsonglist.choose(all());
    main().Rename2.click();
    EXPECT_FALSE(fs().fileExists("C:\\MP3\\song1999.mp3"));
    EXPECT_TRUE(fs().fileExists("C:\\MP3\\r1999.mp3"));
    ASSERT_EQ(main().mpsonglist.count(), many);
    main().mpsonglist.choose(all());
    toolkit().answerMessageBox(MessageResult::Yes);
    main().Delete2.click();
    EXPECT_EQ(main().mpsonglist.count(), 0u);

    main().recfilelist.choose(all());
    toolkit().answerMessageBox(MessageResult::Yes);
    main().WaveDelete1.click();
    EXPECT_EQ(main().recfilelist.count(), 0u);
    EXPECT_EQ(fs().list("C:\\WAVES"), Texts{});
}

}  // namespace
}  // namespace zelvio
