// The voice recorder on virtual time: its buttons after every event, the
// encoder's command line, and errors 1 and 2.

#include "program_fixture.h"

#include "common/waveheader.h"

namespace zelvio {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;

class VoiceRecorderTest : public ProgramTest {
protected:
    void startWith(const std::string& encoder, const std::string& flags) {
        fs().makeDirectories("C:\\ZELVIO");
        fs().makeDirectories("C:\\MP3");
        fs().changeDirectory("C:\\ZELVIO");
        fs().putFile("C:\\ZELVIO\\mpzelvio.cfg", crlf({"ver 1.2", "C:\\ZELVIO", "C:\\MP3", encoder, "", flags, "0"}));
        start();
        main().Voicebutt.click();
    }
    // Record, Stop, Playback, Encode as "RSPE", a "-" for each one disabled.
    std::string buttons() {
        const VoiceRecorderView r = recorder();
        std::string states;
        states += r.recordvoicebutt.enabled() ? 'R' : '-';
        states += r.Stopvoicebutt.enabled() ? 'S' : '-';
        states += r.playvoicebutt.enabled() ? 'P' : '-';
        states += r.Compressvoicebutt.enabled() ? 'E' : '-';
        return states;
    }
    // Records for two seconds, then stops.
    void recordTwoSeconds() {
        recorder().recordvoicebutt.click();
        passTime(2s);
        recorder().Stopvoicebutt.click();
    }
    Texts memo() { return information().outputmemo.lines(); }
};

TEST_F(VoiceRecorderTest, TheButtonsFollowEveryEvent) {
    startWith("C:\\L3ENC\\L3ENC.EXE", "-hq");
    EXPECT_TRUE(recorder().visible());
    EXPECT_FALSE(recorder().modal());
    EXPECT_EQ(buttons(), "R---");
    recorder().Stopvoicebutt.clicked();  // not recording or playing: nothing at all
    EXPECT_EQ(buttons(), "R---");
    recorder().recordvoicebutt.click();
    EXPECT_EQ(buttons(), "-S--");
    EXPECT_EQ(fs().fileBytes("C:\\ZELVIO\\voice.wav").size(), 48u);  // the template, first
    passTime(2s);
    recorder().Stopvoicebutt.click();
    EXPECT_EQ(buttons(), "R-PE");
    recorder().playvoicebutt.click();
    EXPECT_EQ(buttons(), "-SP-");
    // The playback ends by itself: the notification gives the buttons back.
    program->app().waitUntil([&] { return buttons() != "-SP-"; }, {.atMost = 10s});
    EXPECT_EQ(buttons(), "R-PE");
    recorder().okbutt.click();
    EXPECT_EQ(buttons(), "R---");
    EXPECT_FALSE(recorder().visible());
    EXPECT_FALSE(fs().fileExists("C:\\ZELVIO\\voice.wav"));
}

TEST_F(VoiceRecorderTest, EncodeRunsTheEncoderOnTheRecordingAndThrowsTheRecordingAway) {
    startWith("C:\\L3ENC\\L3ENC.EXE", "-hq");
    headless.launcher.scriptRun({.lasts = 1s, .effect = [this] { fs().putFile("C:\\MP3\\my_talk.mp3", "mp3"); }});
    recordTwoSeconds();
    recorder().mpnameedit.type("my talk.mp3");
    recorder().Compressvoicebutt.click();
    ASSERT_EQ(headless.launcher.watched().size(), 1u);
    EXPECT_EQ(headless.launcher.watched()[0].commandLine,
              "command.com /c C:\\L3ENC\\L3ENC.EXE C:\\ZELVIO\\voice.wav C:\\MP3\\my_talk.mp3 -hq");
    EXPECT_EQ(buttons(), "R---");
    EXPECT_FALSE(fs().fileExists("C:\\ZELVIO\\voice.wav"));
    EXPECT_EQ(main().mpsonglist.items(), Texts{"my_talk.mp3"});
    EXPECT_TRUE(memo().empty());
    EXPECT_TRUE(information().showoutputbutt.enabled());
}

TEST_F(VoiceRecorderTest, AnyNameAnyFlagsAndEvenNoEncoderPathAreRunAsTheyAre) {
    startWith("", "");
    recordTwoSeconds();
    recorder().mpnameedit.type("memo");
    recorder().Compressvoicebutt.click();
    EXPECT_EQ(headless.launcher.watched().at(0).commandLine, "command.com /c  C:\\ZELVIO\\voice.wav C:\\MP3\\memo ");
    EXPECT_EQ(memo(), (Texts{"No MP3 file was made: C:\\MP3\\memo", "The recording was kept: C:\\ZELVIO\\voice.wav"}));
}

TEST_F(VoiceRecorderTest, AFailedEncodeKeepsTheRecordingForTheNextTry) {
    startWith("C:\\WRONG\\L3ENC.EXE", "-hq");
    recordTwoSeconds();
    const std::string recording = waveHeader(2, 44100, 16, 2 * 176400);
    // Not started, ended with an error code, made nothing, or ended with an
    // error code after all leaving an MP3 file: each keeps the recording.
    headless.launcher.scriptRun({.startError = 2});
    headless.launcher.scriptRun({.lasts = 1s, .exitCode = 1});
    headless.launcher.scriptRun({.lasts = 1s});
    headless.launcher.scriptRun(
        {.lasts = 1s, .exitCode = 1, .effect = [this] { fs().putFile("C:\\MP3\\noname.mp3", "mp3"); }});
    for (int attempt = 0; attempt < 4; ++attempt) {
        SCOPED_TRACE(attempt);
        recorder().Compressvoicebutt.click();
        EXPECT_EQ(buttons(), "R--E");
        EXPECT_EQ(memo().back(), "The recording was kept: C:\\ZELVIO\\voice.wav");
        EXPECT_EQ(fs().fileBytes("C:\\ZELVIO\\voice.wav"), recording);
    }
    // The user mends the settings and tries again: this time it is encoded and let go.
    main().settings.encoderpath = "C:\\L3ENC\\L3ENC.EXE";
    headless.launcher.scriptRun({.lasts = 1s, .effect = [this] { fs().putFile("C:\\MP3\\noname.mp3", "mp3"); }});
    recorder().Compressvoicebutt.click();
    EXPECT_EQ(headless.launcher.watched().back().commandLine,
              "command.com /c C:\\L3ENC\\L3ENC.EXE C:\\ZELVIO\\voice.wav C:\\MP3\\noname.mp3 -hq");
    EXPECT_EQ(buttons(), "R---");
    EXPECT_FALSE(fs().fileExists("C:\\ZELVIO\\voice.wav"));
    // Ok still throws a kept recording away.
    recordTwoSeconds();
    headless.launcher.scriptRun({.startError = 2});
    recorder().Compressvoicebutt.click();
    recorder().okbutt.click();
    EXPECT_FALSE(fs().fileExists("C:\\ZELVIO\\voice.wav"));
}

TEST_F(VoiceRecorderTest, RecordAfterAPlaybackStartsOverAndEncodeTakesTheLastRecording) {
    startWith("C:\\L3ENC\\L3ENC.EXE", "-hq");
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        recorder().recordvoicebutt.click();
        passTime(std::chrono::seconds(round));
        recorder().Stopvoicebutt.click();
        recorder().playvoicebutt.click();  // the device now holds "voice.wav"
        program->app().waitUntil([&] { return buttons() != "-SP-"; }, {.atMost = 10s});
        EXPECT_EQ(buttons(), "R-PE");
    }
    EXPECT_TRUE(errors().empty());
    std::string encoded;
    headless.launcher.scriptRun({.lasts = 1s, .effect = [&] {
                                     encoded = fs().fileBytes("C:\\ZELVIO\\voice.wav");
                                     fs().putFile("C:\\MP3\\noname.mp3", "mp3");
                                 }});
    recorder().recordvoicebutt.click();
    passTime(4s);
    recorder().Stopvoicebutt.click();
    recorder().Compressvoicebutt.click();
    EXPECT_TRUE(errors().empty());
    ASSERT_EQ(headless.launcher.watched().size(), 1u);
    // The encoder was given the last recording: four seconds of CD-quality sound.
    EXPECT_EQ(encoded, waveHeader(2, 44100, 16, 4 * 176400));
    EXPECT_FALSE(fs().fileExists("C:\\ZELVIO\\voice.wav"));
}

TEST_F(VoiceRecorderTest, ARecordingWithoutSoundIsEmpty) {
    startWith("C:\\L3ENC\\L3ENC.EXE", "-hq");
    // Stopped at once: the device saves a wave of no samples over the template.
    recorder().recordvoicebutt.click();
    recorder().Stopvoicebutt.click();
    recorder().Compressvoicebutt.click();
    EXPECT_EQ(boxes().at(0).text, "Error #2 Please see the output box for more info");
    EXPECT_TRUE(headless.launcher.watched().empty());
    // The template alone, when the device never saved.
    headless.media.failSaving("The device cannot save.");
    recorder().recordvoicebutt.click();
    passTime(1s);
    recorder().Stopvoicebutt.click();
    recorder().Compressvoicebutt.click();
    EXPECT_EQ(boxes().at(1).text, "Error #2 Please see the output box for more info");
    EXPECT_TRUE(headless.launcher.watched().empty());
}

TEST_F(VoiceRecorderTest, ARefusedRecordingOrPlaybackIsToldAndTheButtonsStartOver) {
    startWith("C:\\L3ENC\\L3ENC.EXE", "-hq");
    headless.media.failCommand("record", "The device is in use by another application.");
    recorder().recordvoicebutt.click();
    EXPECT_EQ(errors(), Texts{"The device is in use by another application.."});
    EXPECT_EQ(buttons(), "R---");

    recordTwoSeconds();
    headless.media.failCommand("play", "The wave device is not ready.");
    recorder().playvoicebutt.click();
    EXPECT_EQ(errors().back(), "The wave device is not ready..");
    EXPECT_EQ(buttons(), "R---");
}

TEST_F(VoiceRecorderTest, NoRecordingOrAnEmptyOneIsAnErrorAndNothingRuns) {
    startWith("C:\\L3ENC\\L3ENC.EXE", "-hq");
    headless.media.failSaving("The device cannot save.");
    recordTwoSeconds();
    fs().deleteFile("C:\\ZELVIO\\voice.wav");
    recorder().Compressvoicebutt.click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "Error #1 Please see the output box for more info");
    EXPECT_EQ(memo().at(0).substr(0, 87),
              "Error # 1, Sorry there was an error, the sound that I just recorded could not be found.");
    EXPECT_EQ(buttons(), "R---");

    recordTwoSeconds();
    fs().putFile("C:\\ZELVIO\\voice.wav", "");
    recorder().Compressvoicebutt.click();
    ASSERT_EQ(boxes().size(), 2u);  // error 2 only
    EXPECT_EQ(boxes()[1].text, "Error #2 Please see the output box for more info");
    EXPECT_EQ(memo().at(1).substr(0, 89),
              "Error # 2,Sorry there was an error, the sound that I just recorded had a size of 0 bytes.");
    EXPECT_TRUE(headless.launcher.watched().empty());
    EXPECT_FALSE(fs().fileExists("C:\\ZELVIO\\voice.wav"));
}

TEST_F(VoiceRecorderTest, AnErrorPutsTheRecorderBackToItsStart) {
    startWith("C:\\L3ENC\\L3ENC.EXE", "-hq");
    fs().failCreating("C:\\ZELVIO\\voice.wav");
    recorder().recordvoicebutt.click();
    EXPECT_EQ(errors(), Texts{"Access is denied."});
    EXPECT_EQ(buttons(), "R---");
}

}  // namespace
}  // namespace zelvio
