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

}  // namespace
}  // namespace zelvio::e2e
