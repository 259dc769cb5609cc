// The Encode command, the index data dialog and the batch, on the headless
// backend: scripted encoder runs, simulated CDs, virtual time.

#include "program_fixture.h"

#include "windows/indexdata/indexdata.h"

#include "encoding/wavetemplate.h"
#include "mp3_bytes.h"
#include "tags/songtag.h"
#include "wave_header.h"

namespace zelvio {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;

class EncodingTest : public ProgramTest {
protected:
    void SetUp() override {
        fs().makeDirectories("C:\\ZELVIO");
        fs().makeDirectories("C:\\MUSIC");
        fs().changeDirectory("C:\\ZELVIO");
        for (const char* name : {"take1.wav", "my song.wav", "A long wave name.wav"}) {
            fs().putFile(std::string("C:\\WAVES\\") + name, waveLasting(1s));
        }
        fs().setShortName("C:\\WAVES\\A long wave name.wav", "ALONGW~1.WAV");
        fs().addDrive('D');
        for (int track = 1; track <= 5; ++track) fs().putFile("D:\\Track0" + std::to_string(track) + ".cda", "");
        headless.media.insertCd({2s, 2s, 2s, 2s, 2s});
    }
    void startWith(const std::string& waves, const std::string& flags, int cdmode) {
        fs().putFile("C:\\ZELVIO\\mpzelvio.cfg",
                     crlf({"ver 1.3", waves, "C:\\MUSIC", "C:\\L3ENC\\L3ENC.EXE", "", flags, std::to_string(cdmode),
                           "C:\\RIP\\DAC.EXE", "%R %q%T%"}));
        start();
    }
    IndexDataView dialog() { return indexData(); }
    // The dialog's working copy of the index, which nothing on the screen shows whole.
    static const IndexEntries& workingCopy(const IndexDataView& d) {
        return dynamic_cast<const TIndexdata&>(d.window).entries();
    }
    InformationView info() { return information(); }
    Texts memo() { return info().outputmemo.lines(); }
    // Selects the items, answers the question with `answer` and runs `inDialog` in the index data dialog.
    void encode(const std::vector<std::size_t>& items, std::function<void(const IndexDataView&)> inDialog,
                MessageResult answer = MessageResult::Yes) {
        main().recfilelist.choose(items);
        toolkit().answerMessageBox(answer);
        toolkit().whenShownModally("TIndexdata", [this, inDialog](Form&) {
            inDialog(dialog());
            dialog().Okbutt.click();
        });
        main().compilebutt.click();
    }
    // An encoder run that makes its MP3 file (`bytes`, or a second of audio) after `lasts`.
    void encoderMakes(const std::string& mp3, std::chrono::milliseconds lasts = 1s, std::string bytes = {}) {
        if (bytes.empty()) bytes = mpegFrames(40);
        headless.launcher.scriptRun({.lasts = lasts, .effect = [this, mp3, bytes] { fs().putFile(mp3, bytes); }});
    }
    Texts commandLines() {
        Texts lines;
        for (const auto& run : headless.launcher.watched()) lines.push_back(run.commandLine);
        return lines;
    }
};

TEST_F(EncodingTest, TheCommandAsksFirstAndNeedsAnEncoder) {
    fs().putFile("C:\\ZELVIO\\mpzelvio.cfg", crlf({"ver 1.2", "C:\\WAVES", "C:\\MUSIC", "", "", "-hq", "0"}));
    start();
    main().recfilelist.choose({0});
    main().Encode1.click();
    EXPECT_EQ(boxes().at(0).text,
              "Sorry, the encoder path in the config is blank please enter the pathby selecting the config button on "
              "the main screen.");
    main().settings.encoderpath = "C:\\L3ENC\\L3ENC.EXE";
    main().recfilelist.choose({});
    main().Encode1.click();  // nothing selected: nothing at all
    EXPECT_EQ(boxes().size(), 1u);
    toolkit().answerMessageBox(MessageResult::Cancel);
    main().recfilelist.choose({0, 1, 2});
    main().Encode1.click();
    toolkit().answerMessageBox(MessageResult::Cancel);
    main().recfilelist.choose({2});
    main().Encode1.click();
    EXPECT_EQ(boxes().at(1).text, "Encode the selected 3 files?");
    EXPECT_EQ(boxes().at(1).buttons, MessageButtons::YesCancel);
    EXPECT_EQ(boxes().at(2).text, "Encode the selected file?");
    EXPECT_TRUE(toolkit().modalShows().empty());
}

TEST_F(EncodingTest, WavesBecomeMp3FilesNamedByTheirEntriesOrTheirFileNames) {
    startWith("C:\\WAVES", "-hq", 0);
    fs().putFile("C:\\MUSIC\\index.dat", crlf({"A long wave name.mp3", "Long", "Artist", "3:00", "take1.mp3", "Best",
                                              "Artist", "3:00"}));
    encoderMakes("C:\\MUSIC\\A_long_wave_name.mp3");
    encoderMakes("C:\\MUSIC\\my_song.mp3");
    encoderMakes("C:\\MUSIC\\take1.mp3");
    encode({0, 1, 2}, [this](const IndexDataView& d) {
        EXPECT_EQ(d.indexedit.text(), "C:\\MUSIC\\index.dat");
        EXPECT_EQ(d.FileList.items(), (Texts{"A long wave name.wav", "my song.wav", "take1.wav"}));
        EXPECT_EQ(d.compressname.text(), "A long wave name.mp3");  // from its entry
        EXPECT_EQ(d.songedit.text(), "Long");
        d.compresnow.click();
    });
    EXPECT_EQ(commandLines(),
              (Texts{"command.com /c C:\\L3ENC\\L3ENC.EXE C:\\WAVES\\ALONGW~1.WAV C:\\MUSIC\\A_long_wave_name.mp3 -hq",
                     "command.com /c C:\\L3ENC\\L3ENC.EXE \"C:\\WAVES\\my song.wav\" C:\\MUSIC\\my_song.mp3 -hq",
                     "command.com /c C:\\L3ENC\\L3ENC.EXE C:\\WAVES\\take1.wav C:\\MUSIC\\take1.mp3 -hq"}));
    EXPECT_EQ(headless.launcher.watched().at(0).directory, "C:\\ZELVIO");
    EXPECT_EQ(memo().at(0), "Debug:" + commandLines().at(0));
    EXPECT_EQ(memo().size(), 3u);
    // Each song with an entry is tagged with it; the one without is left as the encoder made it.
    EXPECT_EQ(readSongTag(fs(), "C:\\MUSIC\\A_long_wave_name.mp3"), (SongTag{"Long", "Artist", "3:00"}));
    EXPECT_EQ(readSongTag(fs(), "C:\\MUSIC\\take1.mp3"), (SongTag{"Best", "Artist", "3:00"}));
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\my_song.mp3"), mpegFrames(40));
    // The button shows the new files at once; the one entry named as its file pairs.
    EXPECT_EQ(main().mpsonglist.items().at(2), std::string("Best") + std::string(28, ' ') + "Artist" +
                                                   std::string(13, ' ') + "3:00");
    EXPECT_TRUE(dialog().Okbutt.enabled());
    EXPECT_FALSE(dialog().stopbutt.visible());
    EXPECT_TRUE(info().donebutt.enabled());
}

// Started from the menu (or F1), which refreshes nothing itself, the batch
// still ends with the MP3 pane showing what it made.
TEST_F(EncodingTest, TheMp3PaneShowsTheNewFilesHoweverTheBatchWasStarted) {
    startWith("C:\\WAVES", "-hq", 0);
    EXPECT_EQ(main().mpsonglist.count(), 0u);
    encoderMakes("C:\\MUSIC\\take1.mp3");
    main().recfilelist.choose({2});
    toolkit().answerMessageBox(MessageResult::Yes);
    toolkit().whenShownModally("TIndexdata", [this](Form&) {
        dialog().compresnow.click();
        dialog().Okbutt.click();
    });
    main().Encode1.click();
    EXPECT_EQ(main().mpsonglist.items(), Texts{"take1.mp3"});
}

TEST_F(EncodingTest, EmptyFlagsEndTheLineInASpaceAndFailuresAreTold) {
    startWith("C:\\WAVES", "", 0);
    headless.launcher.scriptRun({.startError = 2});
    headless.launcher.scriptRun({.lasts = 1s, .exitCode = 5});
    encoderMakes("C:\\MUSIC\\take1.mp3");
    encode({0, 1, 2}, [](const IndexDataView& d) { d.compresnow.click(); });
    EXPECT_EQ(commandLines().back(), "command.com /c C:\\L3ENC\\L3ENC.EXE C:\\WAVES\\take1.wav C:\\MUSIC\\take1.mp3 ");
    const Texts lines = memo();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1], "The encoder could not be started (The system cannot find the file specified): command.com /c "
                        "C:\\L3ENC\\L3ENC.EXE C:\\WAVES\\ALONGW~1.WAV C:\\MUSIC\\A_long_wave_name.mp3 ");
    EXPECT_EQ(lines[2], "No MP3 file was made: C:\\MUSIC\\A_long_wave_name.mp3");
    EXPECT_EQ(lines[4].substr(0, 42), "The encoder ended with exit code 5: comman");
    EXPECT_EQ(lines[5], "No MP3 file was made: C:\\MUSIC\\my_song.mp3");
}

TEST_F(EncodingTest, AnMp3ThatCannotBeTaggedCostsOneLineAndStaysAsMade) {
    startWith("C:\\WAVES", "-hq", 0);
    fs().putFile("C:\\MUSIC\\index.dat", crlf({"A long wave name.mp3", "Long", "Artist", "3:00", "my song.mp3", "Mine",
                                              "Me", "1:00", "take1.mp3", "Best", "Artist", "3:00"}));
    encoderMakes("C:\\MUSIC\\A_long_wave_name.mp3", 1s, "no audio");
    headless.launcher.scriptRun({.lasts = 1s, .effect = [this] {
                                     fs().putFile("C:\\MUSIC\\my_song.mp3", mpegFrames(40));
                                     fs().setReadOnly("C:\\MUSIC\\my_song.mp3", true);
                                 }});
    encoderMakes("C:\\MUSIC\\take1.mp3");
    encode({0, 1, 2}, [](const IndexDataView& d) { d.compresnow.click(); });
    const Texts lines = memo();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "Not tagged: C:\\MUSIC\\A_long_wave_name.mp3: the file does not begin as an MP3 file does");
    EXPECT_EQ(lines[3], "Not tagged: C:\\MUSIC\\my_song.mp3: Access is denied");
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\A_long_wave_name.mp3"), "no audio");
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\my_song.mp3"), mpegFrames(40));
    EXPECT_EQ(readSongTag(fs(), "C:\\MUSIC\\take1.mp3"), (SongTag{"Best", "Artist", "3:00"}));  // the batch went on
    EXPECT_EQ(boxes().size(), 1u);  // the question before it, and no more
    EXPECT_EQ(fs().list("C:\\MUSIC").size(), 4u);  // no half-written copy beside them
}

TEST_F(EncodingTest, StopEndsTheRunningEncoderAndSkipsTheRest) {
    startWith("C:\\WAVES", "-hq", 0);
    encoderMakes("C:\\MUSIC\\A_long_wave_name.mp3", 60s);
    toolkit().postAt(5s, [this] { dialog().stopbutt.click(); });
    encode({0, 1, 2}, [](const IndexDataView& d) { d.compresnow.click(); });
    ASSERT_EQ(headless.launcher.watched().size(), 1u);
    EXPECT_TRUE(headless.launcher.watched()[0].terminated);
    EXPECT_FALSE(fs().fileExists("C:\\MUSIC\\A_long_wave_name.mp3"));
    EXPECT_EQ(memo().size(), 1u);  // the one "Debug:" line
    EXPECT_TRUE(dialog().Okbutt.enabled());
    EXPECT_FALSE(dialog().stopbutt.visible());
    EXPECT_LT(toolkit().clock().now, 10s);
}

TEST_F(EncodingTest, CdTracksAreCapturedIntoTempWavThenEncoded) {
    startWith("D:\\", "-hq", 1);
    encoderMakes("C:\\MUSIC\\Track02.mp3");
    encoderMakes("C:\\MUSIC\\Track05.mp3");
    encode({1, 4}, [](const IndexDataView& d) {
        d.KillTempcheck.click();  // keep temp.wav
        d.compresnow.click();
    });
    Texts plays;
    for (const auto& command : headless.media.commands()) {
        if (command.starts_with("play") || command.starts_with("record") || command.starts_with("save")) {
            plays.push_back(withoutAlias(command));
        }
    }
    EXPECT_EQ(plays, (Texts{"record DEV notify", "play DEV from 2 to 3 notify", "save DEV \"C:\\ZELVIO\\temp.wav\" wait",
                            "record DEV notify", "play DEV from 5 notify", "save DEV \"C:\\ZELVIO\\temp.wav\" wait"}));
    EXPECT_EQ(commandLines().at(1),
              "command.com /c C:\\L3ENC\\L3ENC.EXE C:\\ZELVIO\\temp.wav C:\\MUSIC\\Track05.mp3 -hq");
    EXPECT_TRUE(fs().fileExists("C:\\ZELVIO\\temp.wav"));
    EXPECT_EQ(toolkit().clock().now, 6s);  // two tracks of 2 s, encoders of 1 s
}

TEST_F(EncodingTest, TheRipperGetsItsExpandedCommandAndCaptureErrorsEndTheBatch) {
    startWith("D:\\", "-hq", 1);
    main().settings.rippercommand = "%M %O %R %T %W %q%%x%";
    headless.launcher.scriptRun({.effect = [this] { fs().putFile("C:\\ZELVIO\\temp.wav", ""); }});
    encode({1, 4}, [](const IndexDataView& d) {
        d.RipCdCheck.click();
        d.compresnow.click();
    });
    // "%q" and "%%" go with their letters, the "x" stays, the last "%" goes.
    EXPECT_EQ(commandLines(), Texts{"command.com /c C:\\RIP\\DAC.EXE C:\\MUSIC C:\\ZELVIO\\temp.wav D:\\ 2 C:\\ZELVIO\\ x"});
    EXPECT_EQ(boxes().back().text, "Error #2 Please see the output box for more info");
    EXPECT_EQ(memo(), (Texts{"Error # 2,Sorry there was an error, the cd track that I just recorded had a size of 0 "
                             "bytes. This may be because there was not enough disk space to save it or it was "
                             "misplaced. All other encoding will be terminated"}));
    EXPECT_FALSE(fs().fileExists("C:\\ZELVIO\\temp.wav"));  // "Delete Temp Wav" is ticked

    encode({1}, [](const IndexDataView& d) { d.compresnow.click(); });  // the ripper makes nothing
    EXPECT_EQ(boxes().back().text, "Error #1 Please see the output box for more info");
    EXPECT_EQ(memo().back().substr(0, 90),
              "Error # 1, Sorry there was an error, the cd track that I just recorded could not be found.");
}

TEST_F(EncodingTest, NoTrackIsEncodedFromACaptureThatIsNotItsOwn) {
    fs().putFile("D:\\readme.txt", "");
    startWith("D:\\", "-hq", 1);
    main().recfilter.choose(3);  // All Files: readme.txt comes before the tracks
    main().settings.rippercommand = "%T";
    const auto ripperWrites = [this](std::string bytes) {
        headless.launcher.scriptRun({.effect = [this, bytes] { fs().putFile("C:\\ZELVIO\\temp.wav", bytes); }});
    };
    // Track 2 rips and encodes; the ripper then makes nothing of track 4,
    // and track 2's capture must not become track 4's MP3.
    ripperWrites(waveLasting(1s));
    encoderMakes("C:\\MUSIC\\Track02.mp3");
    headless.launcher.scriptRun({});
    encode({2, 4}, [](const IndexDataView& d) {  // tracks by name, not by row
        d.RipCdCheck.click();
        d.KillTempcheck.click();
        d.compresnow.click();
    });
    EXPECT_EQ(commandLines(), (Texts{"command.com /c C:\\RIP\\DAC.EXE 2",
                                     "command.com /c C:\\L3ENC\\L3ENC.EXE C:\\ZELVIO\\temp.wav C:\\MUSIC\\Track02.mp3 -hq",
                                     "command.com /c C:\\RIP\\DAC.EXE 4"}));
    EXPECT_EQ(boxes().back().text, "Error #1 Please see the output box for more info");
    EXPECT_FALSE(fs().fileExists("C:\\MUSIC\\Track04.mp3"));

    // A capture of nothing but the template that is written before it is empty.
    ripperWrites(std::string(WaveTemplate()));
    encode({2}, [](const IndexDataView& d) { d.compresnow.click(); });
    EXPECT_EQ(boxes().back().text, "Error #2 Please see the output box for more info");
    EXPECT_EQ(commandLines().size(), 4u);  // the ripper's run, no encoder

    // A capture before that cannot be deleted ends the batch before any ripper runs.
    fs().putFile("C:\\ZELVIO\\temp.wav", waveLasting(1s));
    fs().hold("C:\\ZELVIO\\temp.wav");
    encode({2}, [](const IndexDataView& d) { d.compresnow.click(); });
    EXPECT_EQ(boxes().back().text, "Error #1 Please see the output box for more info");
    EXPECT_EQ(memo().back(), "Error # 1, Sorry there was an error, the cd track recorded before, "
                             "C:\\ZELVIO\\temp.wav, could not be deleted, so the next one cannot be recorded there. "
                             "All other encoding will be terminated");
    EXPECT_EQ(commandLines().size(), 4u);
}

TEST_F(EncodingTest, SavingBeforeTheBatchIsAskedAndCancelStillEncodes) {
    startWith("C:\\WAVES", "-hq", 0);
    encoderMakes("C:\\MUSIC\\take1.mp3");
    encode({2}, [this](const IndexDataView& d) {
        d.songedit.type("Take One");
        d.Button1.click();
        toolkit().answerMessageBox(MessageResult::Cancel);
        d.compresnow.click();
    });
    EXPECT_EQ(boxes().back().text, "Save Index Before Compress?");
    EXPECT_FALSE(fs().fileExists("C:\\MUSIC\\index.dat"));
    EXPECT_TRUE(fs().fileExists("C:\\MUSIC\\take1.mp3"));

    encoderMakes("C:\\MUSIC\\take1.mp3");
    encode({2}, [this](const IndexDataView& d) {
        d.songedit.type("Take One");
        d.Button1.click();
        toolkit().answerMessageBox(MessageResult::Yes);
        d.compresnow.click();
        EXPECT_FALSE(d.saveindex.enabled());
    });
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), crlf({"take1.mp3", "Take One", "", ""}));
}

TEST_F(EncodingTest, AMissingDiscEndsTheBatchThroughTheErrorHandlerWithAWayOut) {
    startWith("D:\\", "-hq", 1);
    headless.media.ejectCd();
    encode({0}, [this](const IndexDataView& d) {
        d.compresnow.click();
        EXPECT_TRUE(d.Okbutt.enabled());
        EXPECT_FALSE(d.stopbutt.visible());
        EXPECT_TRUE(info().donebutt.enabled());
    });
    EXPECT_EQ(errors(), Texts{"The device driver is not ready.."});
}

TEST_F(EncodingTest, TheDialogStoresEntriesFileByFile) {
    startWith("D:\\", "-hq", 1);
    fs().putFile("C:\\MUSIC\\index.dat", crlf({"TRACK03.MP3", "Third", "Band", "4:00"}));
    encode({1, 2}, [this](const IndexDataView& d) {
        EXPECT_EQ(d.compressname.text(), "Track02.mp3");  // no entry
        EXPECT_EQ(d.songedit.text(), "");
        EXPECT_TRUE(d.compressname.focused());
        d.compressname.type("my song");
        d.pressKey('\r');  // Enter moves on as Tab does
        EXPECT_TRUE(d.songedit.focused());
        d.songedit.type("Second");
        d.Button1.click();
        EXPECT_EQ(d.FileList.itemIndex(), 1);
        EXPECT_EQ(d.songedit.text(), "Third");  // its entry, TRACK03.MP3
        d.songedit.type("Third, again");
        d.Button1.click();
        d.Button1.click();  // on the last file: it stays, showing what was stored
        EXPECT_EQ(d.FileList.itemIndex(), 1);
        EXPECT_EQ(workingCopy(d).lines(),
                  (WorkingCopy{"TRACK03.MP3", "Third, again", "Band", "4:00", "my_song", "Second", "", ""}));
        d.addindexchq.click();
        EXPECT_TRUE(d.indexedit.enabled());
        d.indexedit.type("C:\\MUSIC\\none.dat");
        d.compressname.setFocus();  // leaving the field reads that index: there is none
        EXPECT_TRUE(workingCopy(d).lines().empty());
        EXPECT_EQ(workingCopy(d).entryline(), (std::vector<int>{-1, -1}));
        d.addindexchq.click();
    });
    EXPECT_EQ(fs().fileBytes("C:\\MUSIC\\index.dat"), crlf({"TRACK03.MP3", "Third", "Band", "4:00"}));  // never saved
}

}  // namespace
}  // namespace zelvio
