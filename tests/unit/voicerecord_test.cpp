// The voice recorder on virtual time: its buttons after every event, the
// encoder's command line, and errors 1 and 2.

#include "program_fixture.h"

#include "encoding/compress.h"
#include "encoding/voicerecord.h"

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
    Tmpvoicerecord& recorder() { return *program->mpvoicerecord; }
    // Record, Stop, Playback, Encode as "RSPE", a "-" for each one disabled.
    std::string buttons() {
        const Tmpvoicerecord& r = recorder();
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
        program->app.waitForEvents(2s);
        recorder().Stopvoicebutt.click();
    }
    Texts memo() { return program->compressinfo->outputmemo.lines(); }
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
    program->app.waitForEvents(2s);
    recorder().Stopvoicebutt.click();
    EXPECT_EQ(buttons(), "R-PE");
    recorder().playvoicebutt.click();
    EXPECT_EQ(buttons(), "-SP-");
    // The playback ends by itself: the notification gives the buttons back.
    while (buttons() == "-SP-" && headless.clock.now < 10s) program->app.waitForEvents(10s);
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
    EXPECT_TRUE(program->compressinfo->showoutputbutt.enabled());
}

TEST_F(VoiceRecorderTest, AnyNameAnyFlagsAndEvenNoEncoderPathAreRunAsTheyAre) {
    startWith("", "");
    recordTwoSeconds();
    recorder().mpnameedit.type("memo");
    recorder().Compressvoicebutt.click();
    EXPECT_EQ(headless.launcher.watched().at(0).commandLine, "command.com /c  C:\\ZELVIO\\voice.wav C:\\MP3\\memo ");
    EXPECT_EQ(memo(), Texts{"No MP3 file was made: C:\\MP3\\memo"});
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
