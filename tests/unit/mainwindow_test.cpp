// The main window: the song list, playing a selection, the layout rule, the
// menus and the about box.

#include "program_fixture.h"

#include "mp3_bytes.h"
#include "playback/playlist.h"
#include "playback/songtext.h"

#include <algorithm>
#include <set>

namespace zelvio {
namespace {

using Texts = std::vector<std::string>;

TEST(SongText, PadsTitleAndArtistInCharactersAndCutsNothing) {
    EXPECT_EQ(songtext({"a.mp3", "Title", "Artist", "3:45"}),
              "Title" + std::string(27, ' ') + "Artist" + std::string(13, ' ') + "3:45");
    const std::string longTitle(40, 'T');
    EXPECT_EQ(songtext({"a.mp3", longTitle, "A", "1:00"}), longTitle + "A" + std::string(18, ' ') + "1:00");
    EXPECT_EQ(songtext({"a.mp3", std::string(32, 'T'), std::string(19, 'A'), ""}),
              std::string(32, 'T') + std::string(19, 'A'));
    // "Лето" is four characters in eight bytes.
    EXPECT_EQ(songtext({"a.mp3", "Лето", "", "2:00"}), "Лето" + std::string(28 + 19, ' ') + "2:00");
    // Where the list draws the artist's and the length's columns from, in bytes of the same text.
    EXPECT_EQ(songColumns({"a.mp3", "Title", "Artist", "3:45"}), (std::vector<std::size_t>{32, 51}));
    EXPECT_EQ(songColumns({"a.mp3", longTitle, "A", "1:00"}), (std::vector<std::size_t>{40, 59}));
    EXPECT_EQ(songColumns({"a.mp3", "Лето", "", "2:00"}), (std::vector<std::size_t>{36, 55}));
}

class MainWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        fs().makeDirectories("C:\\ZELVIO");
        fs().makeDirectories("C:\\MP3");
        fs().makeDirectories("C:\\WAVES");
        fs().changeDirectory("C:\\ZELVIO");
        fs().putFile("C:\\ZELVIO\\PLAYER.EXE", "MZ");
        fs().putFile("C:\\ZELVIO\\mpzelvio.cfg",
                     crlf({"ver 1.5", "C:\\WAVES", "C:\\MP3", "", "C:\\ZELVIO\\PLAYER.EXE", "-hq", "0", "", "", "",
                           "116", "91", "640", "482"}));
    }
    void putSongs() {
        for (const char* name : {"zebra.mp3", "Song.MP3", "a long song name.mp3", "b.mp3", "notes.txt"}) {
            fs().putFile(std::string("C:\\MP3\\") + name, "x");
        }
        fs().setShortName("C:\\MP3\\a long song name.mp3", "ALONGS~1.MP3");
        fs().putFile("C:\\MP3\\index.dat", crlf({"song.mp3", "Old", "X", "1:00", "zebra.mp3", "Stripes", "Herd",
                                                 "2:30", "SONG.mp3", "New Title", "New Artist", "3:00"}));
    }
    Texts playlist() {
        Texts lines;
        const std::string bytes = fs().fileBytes("C:\\ZELVIO\\mpzelv.m3u");
        for (std::size_t start = 0; start < bytes.size();) {
            const std::size_t end = bytes.find("\r\n", start);
            lines.push_back(bytes.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }
    // Plays the songs on these lines, the shuffle on or off, and returns the playlist.
    Texts play(std::vector<std::size_t> lines, bool shuffled) {
        if (main().sortmenu.checked() != shuffled) main().sortmenu.click();
        main().mpsonglist.choose(lines);
        main().mp3play.click();
        return playlist();
    }
};

TEST_F(MainWindowTest, AnUnreadableIndexLeavesTheSongsNamedByTheirFiles) {
    fs().putFile("C:\\MP3\\a.mp3", "x");
    fs().putFile("C:\\MP3\\b.mp3", "x");
    fs().putFile("C:\\MP3\\index.dat", crlf({"a.mp3", "Alpha", "", "", "b.mp3", "Beta", "", ""}));
    start();
    ASSERT_EQ(main().mpsonglist.count(), 2u);
    fs().deleteFile("C:\\MP3\\a.mp3");
    fs().putFile("C:\\MP3\\c.mp3", "x");
    fs().failOpening("C:\\MP3\\index.dat");  // held by another program
    main().Refresh1.click();
    EXPECT_EQ(errors(), Texts{"Access is denied."});
    EXPECT_EQ(main().mpsonglist.items(), (Texts{"b.mp3", "c.mp3"}));

    // The song shown is the file deleted.
    main().mpsonglist.choose({0});
    toolkit().answerMessageBox(MessageResult::Yes);
    main().Mp3Delete1.click();
    EXPECT_FALSE(fs().fileExists("C:\\MP3\\b.mp3"));
    EXPECT_TRUE(fs().fileExists("C:\\MP3\\c.mp3"));
    EXPECT_EQ(errors().size(), 2u);  // told again at the refresh after the delete
}

TEST_F(MainWindowTest, NoCommandActsOnASongListThatNoLongerMatchesTheFiles) {
    fs().putFile("C:\\MP3\\a.mp3", "x");
    fs().putFile("C:\\MP3\\b.mp3", "x");
    start();
    main().mpsonglist.choose({1});
    fs().putFile("C:\\MP3\\0.mp3", "x");
    main().mp3list.update();  // the file list alone moved on: row 1 would now name a.mp3
    main().Mp3Delete1.click();
    main().Mp3Rename1.click();
    main().IndexEdit1.click();
    main().mp3play.click();
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(toolkit().modalShows().empty());
    EXPECT_TRUE(headless.launcher.starts().empty());
    EXPECT_TRUE(fs().fileExists("C:\\MP3\\a.mp3"));
    EXPECT_TRUE(fs().fileExists("C:\\MP3\\b.mp3"));
}

TEST_F(MainWindowTest, TheSongListShowsEachFileByItsLastIndexEntryOrItsName) {
    putSongs();
    start();
    EXPECT_EQ(main().mp3dir.directory(), "C:\\MP3");
    EXPECT_EQ(main().mp3list.items(), (Texts{"a long song name.mp3", "b.mp3", "Song.MP3", "zebra.mp3"}));
    EXPECT_EQ(main().mpsonglist.items(),
              (Texts{"a long song name.mp3", "b.mp3", songtext({"", "New Title", "New Artist", "3:00"}),
                     songtext({"", "Stripes", "Herd", "2:30"})}));
    // All files: every file, the entries still applied.
    main().mp3filter.choose(1);
    EXPECT_EQ(main().mpsonglist.count(), 6u);
    EXPECT_EQ(main().mpsonglist.items()[3], "notes.txt");
}

// A screen reader hears the columns, not the spaces that line them up.
TEST_F(MainWindowTest, EachSongIsReadAsTitleArtistAndLength) {
    const std::string longTitle = "A Title Longer Than Its Column Is Wide";
    fs().putFile("C:\\MP3\\a.mp3", "x");
    fs().putFile("C:\\MP3\\b.mp3", "x");
    fs().putFile("C:\\MP3\\c.mp3", "x");
    fs().putFile("C:\\MP3\\d.mp3", "x");
    fs().putFile("C:\\MP3\\index.dat",
                 crlf({"a.mp3", "Лето", "Кино", "3:05", "b.mp3", longTitle, "Band", "", "c.mp3", "Solo", "", "1:00"}));
    start();
    const ListBox& songs = main().mpsonglist;
    EXPECT_EQ(songs.spokenItem(0), "Лето, Кино, 3:05");
    EXPECT_EQ(songs.spokenItem(1), longTitle + ", Band");
    EXPECT_EQ(songs.spokenItem(2), "Solo, 1:00");
    EXPECT_EQ(songs.spokenItem(3), "d.mp3");  // a bare name, as shown
    EXPECT_EQ(songs.spokenItem(4), "");
}

TEST_F(MainWindowTest, WhereTheIndexIsSilentTheTagSpeaksAndOnlyThen) {
    const auto tagged = [](const std::string& title, const std::string& artist) {
        return id3Tag({id3Frame("TIT2", title), id3Frame("TPE1", artist), id3Frame("TLEN", "200000")}) + mpegFrames(4);
    };
    fs().putFile("C:\\MP3\\a.mp3", tagged("Tag Title", "Tag Artist"));
    fs().putFile("C:\\MP3\\b.mp3", tagged("Peer Title", "Peer Artist"));
    fs().putFile("C:\\MP3\\c.mp3", mpegFrames(4));
    fs().putFile("C:\\MP3\\d.mp3", "ID3\x03\0\0\x7F\x7F\x7F\x7F");  // a tag cut short in its header
    fs().putFile("C:\\MP3\\index.dat", crlf({"A.MP3", "Index Title", "Index Artist", "3:00"}));
    start();
    EXPECT_EQ(main().mpsonglist.items(), (Texts{songtext({"", "Index Title", "Index Artist", "3:00"}),
                                               songtext({"", "Peer Title", "Peer Artist", "3:20"}), "c.mp3", "d.mp3"}));
    // Without an index at all, every tag is shown.
    fs().deleteFile("C:\\MP3\\index.dat");
    main().Refresh1.click();
    EXPECT_EQ(main().mpsonglist.items()[0], songtext({"", "Tag Title", "Tag Artist", "3:20"}));
}

TEST_F(MainWindowTest, ABigFolderShowsAtOnceAndItsTagsFollowWhileTheWindowIsIdle) {
    toolkit().setScreenSize({800, 120});  // ten rows of the smallest type
    const auto name = [](int song) { return "song_" + std::to_string(10 + song) + ".mp3"; };
    const auto line = [](int song) { return songtext({"", "Title " + std::to_string(song), "Artist", "3:20"}); };
    for (int song = 0; song < 40; ++song) {
        fs().putFile("C:\\MP3\\" + name(song),
                     id3Tag({id3Frame("TIT2", "Title " + std::to_string(song)), id3Frame("TPE1", "Artist"),
                             id3Frame("TLEN", "200000")}) +
                         mpegFrames(4));
    }
    const auto idle = [this] {
        for (int step = 0; step < 100 && toolkit().eventsDue(); ++step) toolkit().processMessages();
        EXPECT_FALSE(toolkit().eventsDue());
    };
    start();
    ASSERT_EQ(main().mpsonglist.count(), 40u);
    EXPECT_EQ(main().mpsonglist.items()[0], line(0));
    EXPECT_EQ(main().mpsonglist.items()[39], name(39));  // its tag comes once the window is idle

    main().mpsonglist.choose({30, 39});
    fs().deleteFile("C:\\MP3\\" + name(38));  // gone before its tag is read
    idle();
    Texts expected;
    for (int song = 0; song < 40; ++song) expected.push_back(song == 38 ? name(38) : line(song));
    EXPECT_EQ(main().mpsonglist.items(), expected);
    EXPECT_EQ(main().mpsonglist.selection(), (std::vector<std::size_t>{30, 39}));

    // Built again before the tags came: every row gets its own file's tag.
    fs().deleteFile("C:\\MP3\\" + name(0));
    main().Refresh1.click();
    fs().deleteFile("C:\\MP3\\" + name(1));
    main().Refresh1.click();
    idle();
    expected.erase(expected.begin(), expected.begin() + 2);
    expected.erase(expected.end() - 2);
    EXPECT_EQ(main().mpsonglist.items(), expected);
    EXPECT_TRUE(boxes().empty());
}

// A shuffle really shuffles: each seed gives an order of all the songs, the
// same again for the same seed, and ten seeds give many different orders,
// each song leading in some.
TEST(PlayOrder, TheShuffleReordersEverySongAndTheSameSeedRepeatsItself) {
    EXPECT_EQ(playOrder(5, false, 7), (std::vector<std::size_t>{0, 1, 2, 3, 4}));
    std::set<std::vector<std::size_t>> orders;
    std::set<std::size_t> leaders;
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        const auto order = playOrder(5, true, seed);
        auto sorted = order;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
        EXPECT_EQ(playOrder(5, true, seed), order);
        orders.insert(order);
        leaders.insert(order.front());
    }
    EXPECT_GE(orders.size(), 8u);
    EXPECT_GE(leaders.size(), 3u);
}

TEST_F(MainWindowTest, PlayingWritesThePlaylistAndStartsThePlayerInTheMusicDirectory) {
    putSongs();
    start();
    EXPECT_EQ(play({0, 2, 3}, false), (Texts{"ALONGS~1.MP3", "Song.MP3", "zebra.mp3"}));
    ASSERT_EQ(headless.launcher.starts().size(), 1u);
    EXPECT_EQ(headless.launcher.starts()[0].commandLine, "C:\\ZELVIO\\PLAYER.EXE C:\\ZELVIO\\mpzelv.m3u");
    EXPECT_EQ(headless.launcher.starts()[0].directory, "C:\\MP3");

    for (int round = 0; round < 5; ++round) {
        Texts shuffled = play({0, 1, 2, 3}, true);
        std::sort(shuffled.begin(), shuffled.end());
        EXPECT_EQ(shuffled, (Texts{"ALONGS~1.MP3", "Song.MP3", "b.mp3", "zebra.mp3"}));
    }
    EXPECT_EQ(play({1}, true), Texts{"b.mp3"});
    EXPECT_EQ(play({}, false), Texts{});  // an empty playlist, and the player all the same
    EXPECT_EQ(headless.launcher.starts().size(), 8u);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(MainWindowTest, ANameTheAnsiCodePageCannotHoldGoesInItsShortForm) {
    fs().putFile("C:\\MP3\\Песня.mp3", "x");
    fs().setShortName("C:\\MP3\\Песня.mp3", "5F8A~1.MP3");
    fs().putFile("C:\\MP3\\Café.mp3", "x");
    start();
    EXPECT_EQ(play({0, 1}, false), (Texts{"Caf\xE9.mp3", "5F8A~1.MP3"}));  // in the ANSI code page
}

TEST_F(MainWindowTest, FromADriveRootThePlaylistPathHoldsADoubleBackslash) {
    fs().changeDirectory("C:\\");
    fs().putFile("C:\\mpzelvio.cfg", crlf({"ver 1.2", "C:\\WAVES", "C:\\MP3", "", "C:\\PLAY.EXE", "-hq", "0"}));
    start();
    main().mp3play.click();
    EXPECT_EQ(headless.launcher.starts().at(0).commandLine, "C:\\PLAY.EXE C:\\\\mpzelv.m3u");
    EXPECT_EQ(fs().fileBytes("C:\\mpzelv.m3u"), "");
    EXPECT_EQ(boxes().at(0).text, "Error executing the player the message was :The specified file was not found.");
}

TEST_F(MainWindowTest, ThePlaylistIsReplacedOnlyWhenComplete) {
    putSongs();
    start();
    play({1}, false);
    fs().failWritingAfter(1);
    main().mpsonglist.choose({0, 1});
    main().mp3play.click();
    EXPECT_EQ(playlist(), Texts{"b.mp3"});
    EXPECT_EQ(errors(), Texts{"There is not enough space on the disk."});
    EXPECT_EQ(headless.launcher.starts().size(), 1u);
}

TEST_F(MainWindowTest, PlayingHidesTheInformationWindowAndEveryWayPlays) {
    putSongs();
    start();
    information().show();
    main().mpsonglist.doubleClick(1);
    EXPECT_FALSE(information().visible());
    toolkit().answerPopupMenu("Play2");
    main().mpsonglist.rightClick({100, 100});
    EXPECT_EQ(headless.launcher.starts().size(), 2u);
    EXPECT_EQ(playlist(), Texts{"b.mp3"});
}

TEST_F(MainWindowTest, RefreshShowsFilesAddedSinceAndF2IsItsKey) {
    putSongs();
    start();
    fs().putFile("C:\\MP3\\new.mp3", "x");
    EXPECT_EQ(main().mpsonglist.count(), 4u);
    EXPECT_EQ(main().Refresh1.design().shortcut, ShortcutKey::F2);
    main().Refresh1.click();
    EXPECT_EQ(main().mpsonglist.items()[2], "new.mp3");
}

TEST_F(MainWindowTest, TheLayoutRuleFollowsTheWindowsSize) {
    start();
    const MainWindowView& w = main();
    EXPECT_EQ(w.clientSize(), (Size{632, 442}));
    for (Control* c : {(Control*)&w.recdir, (Control*)&w.recdrive, (Control*)&w.recfilter, (Control*)&w.mp3dir,
                       (Control*)&w.mp3drive, (Control*)&w.mp3filter}) {
        EXPECT_EQ(c->bounds().left, 507) << c->name();
    }
    EXPECT_EQ(w.mpsonglist.bounds(), (Rect{64, 245, 441, 177}));
    EXPECT_EQ(w.recfilelist.bounds(), (Rect{64, 48, 441, 177}));
    EXPECT_EQ(w.mp3filter.bounds().top + w.mp3filter.bounds().height, 245 + 177);
    EXPECT_EQ(w.mp3play.bounds().top, 247);
    EXPECT_EQ(w.mp3stop.bounds().top, 247 + 39 + 2);
    EXPECT_EQ(w.Label1.bounds().top, 245 - 16);
    EXPECT_EQ(w.configbutt.bounds().left, 541);

    w.setBounds({0, 0, 800, 600});
    EXPECT_EQ(w.mp3dir.bounds().left, 667);
    EXPECT_EQ(w.mpsonglist.bounds(), (Rect{64, 236 + 68, 601, 236}));  // client height 560
    EXPECT_EQ(w.Bevel1.bounds().width, 792);

    w.setBounds({0, 0, 120, 100});  // a client area 60 high: the lists close up, nothing goes negative
    EXPECT_EQ(w.recfilelist.bounds().height, 0);
    EXPECT_EQ(w.mpsonglist.bounds().top, 68);
    EXPECT_EQ(w.mp3dir.bounds().height, 0);
    EXPECT_GE(w.mpsonglist.bounds().width, 0);
}

TEST_F(MainWindowTest, TheMenusHoldTheirItemsAndTheRestAreWired) {
    start();
    Texts file;
    for (const auto& c : main().controls()) {
        if (c->design().parent == "File1") file.push_back(c->text());
    }
    EXPECT_EQ(file, (Texts{"&Encode", "&Mixer", "&Voice", "&Setup", "-", "De&lete Wave ", "Rename &Wave ", "-",
                           "&Delete Mp3 ", "&Rename Mp3 ", "-", "&Index Edit", "-", "E&xit"}));
    EXPECT_EQ(main()["Encode1"].design().shortcut, ShortcutKey::F1);
    EXPECT_TRUE(main().Extensions1.checked());

    main().sortmenu.click();
    EXPECT_FALSE(main().sortmenu.checked());
    main().Extensions1.click();
    EXPECT_TRUE(main().Extensions1.checked());
    EXPECT_EQ(boxes().at(0).text, "Sorry function not yet implemented.");

    toolkit().whenShownModally("Tmpzelvioabout", [](Form& about) {
        EXPECT_TRUE(about["okbutt"].focused());
        EXPECT_EQ(about["titlelabel"].text(), "Mp3 Zelvio Ver 0.92");
        about["okbutt"].click();
    });
    main().About1.click();
    toolkit().whenShownModally("Tmpconfig", [](Form& dialog) { dialog["Cancelbutt"].click(); });
    toolkit().answerPopupMenu("Setup2");
    main().recfilelist.rightClick({5, 5});
    EXPECT_EQ(toolkit().modalShows(), (Texts{"Tmpzelvioabout", "Tmpconfig"}));
}

}  // namespace
}  // namespace zelvio
