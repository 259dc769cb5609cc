// The voice recorder with the real sound device (PulseAudio's null sink
// under Wine): record, stop, play back to the end, encode through the
// command.com stand-in and the test encoder.

#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/utf8.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

TEST(VoiceRecorderTest, ARecordingIsPlayedBackAndEncodedIntoTheMusicDirectory) {
    WorkDirectory dir;
    dir.createDirectory("music");
    ASSERT_TRUE(CopyFileW(toWide(programBeside("test_encoder.exe")).c_str(), toWide(dir.pathOf("encoder.exe")).c_str(),
                          FALSE));
    dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.path(), dir.pathOf("music"), dir.pathOf("encoder.exe"), "",
                                             "-hq", "0", "", "", "", "100", "80", "640", "482"}));
    TestProcess program(programBeside("mpzelvio.exe"), dir.path());
    const HWND mainWindow = waitForWindow(program, "Mp3 Zelvio V 0.93");
    chooseMenuItem(mainWindow, {"&File", "&Voice"});
    const HWND recorder = waitForForm(program, "Tmpvoicerecord");
    const HWND record = findControl(recorder, "recordvoicebutt");
    const HWND stop = findControl(recorder, "Stopvoicebutt");
    const HWND playback = findControl(recorder, "playvoicebutt");
    const HWND encode = findControl(recorder, "Compressvoicebutt");
    auto states = [&] {
        std::string text;
        for (HWND button : {record, stop, playback, encode}) text += isEnabled(button) ? '+' : '-';
        return text;
    };

    click(record);
    ASSERT_TRUE(pollUntil([&] { return states() == "-+--"; }, kDefaultTimeout)) << states();
    EXPECT_TRUE(dir.exists("voice.wav"));
    Sleep(2000);
    click(stop);
    ASSERT_TRUE(pollUntil([&] { return states() == "+-++"; }, kDefaultTimeout)) << states();
    click(playback);
    ASSERT_TRUE(pollUntil([&] { return states() == "-++-"; }, kDefaultTimeout)) << states();
    // The playback runs to its end; its notification gives the buttons back.
    ASSERT_TRUE(pollUntil([&] { return states() == "+-++"; }, Milliseconds(6000))) << states();

    typeText(findControl(recorder, "mpnameedit"), "my talk.mp3");
    click(encode);
    ASSERT_TRUE(pollUntil([&] { return dir.exists("music\\my_talk.mp3"); }, kDefaultTimeout));
    ASSERT_TRUE(pollUntil([&] { return states() == "+---"; }, kDefaultTimeout)) << states();
    EXPECT_TRUE(pollUntil([&] { return !dir.exists("voice.wav"); }, kDefaultTimeout));

    const HWND songs = findControl(mainWindow, "mpsonglist");
    EXPECT_TRUE(pollUntil([&] { return listItems(songs) == std::vector<std::string>{"my_talk.mp3"}; },
                          kDefaultTimeout));
    click(findControl(recorder, "okbutt"));
    EXPECT_TRUE(waitUntilClosed(recorder));
}

// The recorder opened on a music directory, with "encoder.exe" in the work
// directory as the encoder; it is not there until a test installs it.
class RecorderRoundsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.createDirectory("music");
        dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.path(), dir.pathOf("music"), dir.pathOf("encoder.exe"),
                                                 "", "-hq", "0", "", "", "", "100", "80", "640", "482"}));
        program = std::make_unique<TestProcess>(programBeside("mpzelvio.exe"), dir.path());
        chooseMenuItem(waitForWindow(*program, "Mp3 Zelvio V 0.93"), {"&File", "&Voice"});
        recorder = waitForForm(*program, "Tmpvoicerecord");
        record = findControl(recorder, "recordvoicebutt");
        stop = findControl(recorder, "Stopvoicebutt");
        playback = findControl(recorder, "playvoicebutt");
        encode = findControl(recorder, "Compressvoicebutt");
        typeText(findControl(recorder, "mpnameedit"), "my talk.mp3");
    }
    void installEncoder() {
        ASSERT_TRUE(CopyFileW(toWide(programBeside("test_encoder.exe")).c_str(),
                              toWide(dir.pathOf("encoder.exe")).c_str(), FALSE));
    }
    // Record, Stop, Playback and Encode: "+" enabled, "-" disabled.
    std::string states() {
        std::string text;
        for (HWND button : {record, stop, playback, encode}) text += isEnabled(button) ? '+' : '-';
        return text;
    }
    // The message boxes shown now, by title and text.
    std::string shownBoxes() {
        std::string text;
        for (const char* title : {"Mp3 Zelvio", "Information"}) {
            const auto box = findMessageBox(*program, title);
            if (box) text += std::string(title) + ": " + readMessageBox(*box).text;
        }
        return text;
    }
    // Waits until the buttons show `expected`.
    bool reaches(const std::string& expected, Milliseconds timeout = kDefaultTimeout) {
        return pollUntil([&] { return states() == expected; }, timeout);
    }
    void recordASecond() {
        click(record);
        ASSERT_TRUE(reaches("-+--")) << states() << " " << shownBoxes();
        Sleep(1000);  // the recording's length
        click(stop);
        ASSERT_TRUE(reaches("+-++")) << states() << " " << shownBoxes();
    }
    void playToTheEnd() {
        click(playback);
        ASSERT_TRUE(reaches("-++-")) << states() << " " << shownBoxes();
        // The end's notification gives the buttons back.
        ASSERT_TRUE(reaches("+-++", Milliseconds(6000))) << states() << " " << shownBoxes();
    }
    std::vector<std::string> memoLines() {
        return splitLines(readText(findControl(waitForForm(*program, "Tcompressinfo"), "outputmemo")) + "\r\n");
    }
    std::string shortPathOf(const std::string& path) {
        wchar_t shortPath[MAX_PATH] = {};
        GetShortPathNameW(toWide(path).c_str(), shortPath, MAX_PATH);
        return toUtf8(shortPath);
    }

    WorkDirectory dir;
    std::unique_ptr<TestProcess> program;
    HWND recorder = nullptr, record = nullptr, stop = nullptr, playback = nullptr, encode = nullptr;
};

TEST_F(RecorderRoundsTest, RecordsAgainAfterEachPlaybackAndEncodesTheLastRecording) {
    ASSERT_NO_FATAL_FAILURE(installEncoder());
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_NO_FATAL_FAILURE(recordASecond());
        if (round < 3) {
            ASSERT_NO_FATAL_FAILURE(playToTheEnd());
        }
        ASSERT_EQ(shownBoxes(), "");
    }
    click(encode);
    ASSERT_TRUE(pollUntil([&] { return dir.exists("music\\my_talk.mp3"); }, kDefaultTimeout)) << shownBoxes();
    ASSERT_TRUE(reaches("+---")) << states() << " " << shownBoxes();
    EXPECT_TRUE(pollUntil([&] { return !dir.exists("voice.wav"); }, kDefaultTimeout));
    EXPECT_EQ(shownBoxes(), "");
}

TEST_F(RecorderRoundsTest, ARecordingOutlivesAMissingEncoderAndIsEncodedOnceItIsThere) {
    ASSERT_NO_FATAL_FAILURE(recordASecond());
    click(encode);
    const std::string kept = "The recording was kept: " + shortPathOf(dir.path()) + "\\voice.wav";
    ASSERT_TRUE(pollUntil([&] { return memoLines().back() == kept; }, kDefaultTimeout))
        << readText(findControl(waitForForm(*program, "Tcompressinfo"), "outputmemo"));
    EXPECT_TRUE(reaches("+--+")) << states();
    EXPECT_TRUE(dir.exists("voice.wav"));
    EXPECT_FALSE(dir.exists("music\\my_talk.mp3"));

    ASSERT_NO_FATAL_FAILURE(installEncoder());
    click(encode);
    ASSERT_TRUE(pollUntil([&] { return dir.exists("music\\my_talk.mp3"); }, kDefaultTimeout)) << shownBoxes();
    EXPECT_TRUE(reaches("+---")) << states();
    EXPECT_TRUE(pollUntil([&] { return !dir.exists("voice.wav"); }, kDefaultTimeout));
    EXPECT_EQ(splitLines(dir.readFile("encoder.log")).size(), 1u);
}

}  // namespace
}  // namespace zelvio::e2e
