// The wave pane on virtual time: the audio-CD question, plays of wave files
// and CD tracks, Stop, Back and Fwd, and failures.

#include "program_fixture.h"

#include "common/errors.h"
#include "wave_header.h"

namespace zelvio {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;

class WavePaneTest : public ProgramTest {
protected:
    void SetUp() override {
        fs().makeDirectories("C:\\ZELVIO");
        fs().changeDirectory("C:\\ZELVIO");
        fs().putFile("C:\\WAVES\\a.wav", waveLasting(3s));
        fs().putFile("C:\\WAVES\\b.wav", waveLasting(2s));
        fs().putFile("C:\\WAVES\\c.wav", waveLasting(4s));
        fs().addDrive('D');
        for (const char* name : {"Track01.cda", "Track02.cda", "Track03.cda", "readme.txt"}) {
            fs().putFile(std::string("D:\\") + name, "");
        }
    }
    void startIn(const std::string& waves, int cdmode = 0) {
        fs().putFile("C:\\ZELVIO\\mpzelvio.cfg",
                     crlf({"ver 1.2", waves, "C:\\ZELVIO", "", "", "-hq", std::to_string(cdmode)}));
        start();
    }
    // Plays these items and returns the media commands that opened or played something.
    Texts play(const std::vector<std::size_t>& items) {
        main().recfilelist.choose(items);
        const std::size_t before = headless.media.commands().size();
        main().recplay.click();
        Texts sent;
        for (std::size_t i = before; i < headless.media.commands().size(); ++i) {
            const std::string& command = headless.media.commands()[i];
            if (command.starts_with("open") || command.starts_with("play")) sent.push_back(withoutAlias(command));
        }
        return sent;
    }
    // At `time`, the states of Play, Stop, Back and Fwd, then `action`.
    void at(std::chrono::milliseconds time, std::function<void()> action = {}) {
        toolkit().postAt(time, [this, action] {
            states.push_back(std::string(main().recplay.enabled() ? "P" : "-") + (main().recstop.enabled() ? "S" : "-") +
                             (main().recback.enabled() ? "B" : "-") + (main().recfwd.enabled() ? "F" : "-"));
            if (action) action();
        });
    }
    bool idle() {
        return main().recplay.enabled() && !main().recstop.enabled() && !main().recback.enabled() &&
               !main().recfwd.enabled();
    }
    Texts states;
};

TEST_F(WavePaneTest, AnAudioCdIsAskedForOnEveryDriveChangeAndOnlyThen) {
    startIn("C:\\WAVES");
    toolkit().answerMessageBox(MessageResult::No);
    main().recdrive.choose(1);  // d:, whose first file is Track01.cda
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "Is this an audio CD?");
    EXPECT_EQ(boxes()[0].title, "Confirm");
    EXPECT_EQ(boxes()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(main().settings.cdmode, CdMode::Waves);
    toolkit().answerMessageBox(MessageResult::Yes);
    main().recdrive.choose(0);  // c: asks nothing, and resets first
    main().recdrive.choose(1);
    EXPECT_EQ(main().settings.cdmode, CdMode::AudioCd);
    main().recdir.setDirectory("D:\\");  // only the directory: the mode stays
    EXPECT_EQ(boxes().size(), 2u);
    EXPECT_EQ(main().settings.cdmode, CdMode::AudioCd);
    main().recdrive.choose(0);
    EXPECT_EQ(main().settings.cdmode, CdMode::Waves);
}

TEST_F(WavePaneTest, ASelectionPlaysInListOrderWithTheButtonsFollowingIt) {
    startIn("C:\\WAVES");
    at(1s);
    at(4s);  // b.wav, the middle one
    at(6s);  // c.wav, the last
    EXPECT_EQ(play({0, 1, 2}), (Texts{"open \"C:\\WAVES\\a.wav\" type waveaudio alias DEV wait", "play DEV notify",
                                      "open \"C:\\WAVES\\b.wav\" type waveaudio alias DEV wait", "play DEV notify",
                                      "open \"C:\\WAVES\\c.wav\" type waveaudio alias DEV wait", "play DEV notify"}));
    EXPECT_EQ(states, (Texts{"-S-F", "-SBF", "-SB-"}));
    EXPECT_EQ(toolkit().clock().now, 9s);
    EXPECT_TRUE(idle());
    const InformationView& info = information();
    EXPECT_TRUE(info.visible());
    EXPECT_FALSE(info.playingtxt.visible());
    EXPECT_TRUE(info.wavtxt.visible());
}

TEST_F(WavePaneTest, OneItemNeverOffersBackOrFwdAndStopEndsAtOnce) {
    startIn("C:\\WAVES");
    at(1s, [this] { main().recstop.click(); });
    EXPECT_EQ(play({2}).size(), 2u);
    EXPECT_EQ(states, Texts{"-S--"});
    EXPECT_EQ(toolkit().clock().now, 1s);  // the play ended with the press
    EXPECT_TRUE(idle());
}

TEST_F(WavePaneTest, BackOnTheSecondItemPlaysTheFirstAgainAndFwdSkips) {
    startIn("C:\\WAVES");
    at(4s, [this] { main().recback.click(); });  // in b.wav
    at(5s, [this] { main().recfwd.click(); });   // in a.wav again
    Texts files;
    for (const auto& command : play({0, 1})) {
        if (command.starts_with("open")) files.push_back(command.substr(15, 5));
    }
    EXPECT_EQ(files, (Texts{"a.wav", "b.wav", "a.wav", "b.wav"}));
    EXPECT_TRUE(idle());
}

TEST_F(WavePaneTest, TheInformationWindowShowsWhereTheWaveIs) {
    startIn("C:\\WAVES");
    std::vector<std::string> shown;
    toolkit().postAt(2600ms, [&] {
        const InformationView& info = information();
        shown.push_back(info.playingtxt.visible() && info.wavtxt.visible() && !info.showoutputbutt.enabled() ? "ok"
                                                                                                           : "wrong");
        // 00:02: the last digit "2" lights a, b, d, e and g.
        shown.push_back(info["timer41"].visible() && info["timer42"].visible() && !info["timer43"].visible()
                            ? "2"
                            : "not 2");
    });
    play({0});
    EXPECT_EQ(shown, (Texts{"ok", "2"}));
}

TEST_F(WavePaneTest, CdTracksPlayByTheirNamesAndTheLastToTheEndOfTheDisc) {
    headless.media.insertCd({3s, 2s, 4s});
    startIn("D:\\", 1);  // CD mode from the settings: no question
    main().recfilter.choose(3);  // All Files: readme.txt comes first, and no track moves for it
    ASSERT_EQ(main().recfilelist.items(), (Texts{"readme.txt", "Track01.cda", "Track02.cda", "Track03.cda"}));
    EXPECT_EQ(play({1, 3}), (Texts{"open cdaudio alias DEV wait", "play DEV from 1 to 2 notify",
                                   "open cdaudio alias DEV wait", "play DEV from 3 notify"}));
    // Any other name keeps its row's number.
    EXPECT_EQ(play({0}), (Texts{"open cdaudio alias DEV wait", "play DEV from 1 to 2 notify"}));
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(information().Cdtxt.visible());
}

TEST_F(WavePaneTest, AWaveTheDeviceRefusesEndsThePlayWithTheButtonsIdle) {
    const std::string invalidFile =
        "The specified file cannot be played on the specified MCI device. The file may be corrupt, or not in the "
        "correct format.";
    headless.media.failOpening("C:\\WAVES\\b.wav", invalidFile);
    startIn("C:\\WAVES");
    EXPECT_EQ(play({0, 1, 2}).size(), 3u);  // a.wav, b.wav refused; c.wav never
    EXPECT_EQ(errors(), Texts{invalidFile + "."});
    EXPECT_TRUE(idle());
    headless.media.failOpening("cdaudio", "The device driver is not ready.");
    main().settings.cdmode = CdMode::AudioCd;
    play({0});
    EXPECT_EQ(errors().back(), "The device driver is not ready..");
    EXPECT_TRUE(idle());
}

TEST_F(WavePaneTest, AWaveNoDeviceCanPlaySanelyIsRefusedByNameAndNeverReachesTheDevice) {
    fs().putFile("C:\\WAVES\\b.wav", ffmpegMp3Wave(std::string(417, 'x')));
    startIn("C:\\WAVES");
    // As after any refusal, the play ends there: c.wav is not played.
    EXPECT_EQ(play({0, 1, 2}), (Texts{"open \"C:\\WAVES\\a.wav\" type waveaudio alias DEV wait", "play DEV notify"}));
    EXPECT_EQ(errors(), Texts{"The wave file \"C:\\WAVES\\b.wav\" cannot be played: its format gives no average "
                              "bytes per second."});
    EXPECT_TRUE(idle());
    EXPECT_EQ(toolkit().clock().now, 3s);  // a.wav to its end
    // The pane goes on: the next play plays.
    EXPECT_EQ(play({2}).size(), 2u);
    EXPECT_EQ(errors().size(), 1u);
    EXPECT_TRUE(idle());
}

TEST_F(WavePaneTest, APlayStartedDuringAPlayEndsBoth) {
    startIn("C:\\WAVES");
    toolkit().postAt(1s, [this] { main().recfilelist.doubleClick(1); });  // b.wav alone
    const Texts sent = play({0, 2});
    EXPECT_EQ(sent.size(), 4u);  // a.wav, then b.wav; c.wav never
    EXPECT_EQ(toolkit().clock().now, 3s);
    EXPECT_TRUE(idle());
    EXPECT_TRUE(headless.media.commands().back().starts_with("close"));  // the device let go
}

TEST_F(WavePaneTest, ClosingTheWindowDuringAPlayWritesTheSettingsAndEndsAfterIt) {
    startIn("C:\\WAVES");
    toolkit().postAt(1s, [this] { main().Exit1.click(); });
    play({0, 1});
    EXPECT_TRUE(program->app().terminated());
    EXPECT_TRUE(fs().fileExists("C:\\ZELVIO\\mpzelvio.cfg"));
    EXPECT_EQ(toolkit().clock().now, 5s);  // both played all the same
}

}  // namespace
}  // namespace zelvio
