// The wave pane on the real window and the real sound device (PulseAudio's
// null sink under Wine): play, the running position, Fwd and Stop, a damaged
// wave refused before the device sees it, and the media error of a CD device
// that is not there.

#include "common/waveheader.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zelvio::e2e {
namespace {

// A tone of `seconds` seconds: 8,000 samples a second, 8 bits, one channel.
std::string toneWave(int seconds) {
    std::string samples(static_cast<std::size_t>(8000 * seconds), '\0');
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<char>(128 + 40 * std::sin(2 * 3.14159265 * 440 * static_cast<double>(i) / 8000));
    }
    return waveHeader(1, 8000, 8, static_cast<std::uint32_t>(samples.size())) + samples;
}

class WavePaneTest : public ::testing::Test {
protected:
    void start(int cdmode) {
        dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.path(), dir.path(), "", "", "-hq",
                                                 std::to_string(cdmode), "", "", "", "100", "80", "640", "482"}));
        program = std::make_unique<TestProcess>(programBeside("mpzelvio.exe"), dir.path());
        mainWindow = waitForWindow(*program, "Mp3 Zelvio V 0.93");
        waves = findControl(mainWindow, "recfilelist");
    }
    HWND button(const char* name) { return findControl(mainWindow, name); }
    // Play, Stop, Back, Fwd as "PSBF", a "-" for each one disabled.
    std::string buttons() {
        std::string states;
        for (const char* name : {"recplay", "recstop", "recback", "recfwd"}) {
            states += isEnabled(button(name)) ? name[3] - 32 : '-';
        }
        return states;
    }
    bool buttonsAre(const std::string& states) {
        return pollUntil([&] { return buttons() == states; }, Milliseconds(4000));
    }
    // The error box's text, answered.
    std::string errorText() {
        const MessageBoxView box = waitForMessageBox(*program, "Mp3 Zelvio");
        pressButton(box.window, "OK");
        return box.text;
    }

    WorkDirectory dir;
    std::unique_ptr<TestProcess> program;
    HWND mainWindow = nullptr;
    HWND waves = nullptr;
};

TEST_F(WavePaneTest, TwoWavesPlayWithThePositionRunningAndFwdAndStopWork) {
    dir.writeFile("first.wav", toneWave(3));
    dir.writeFile("second.wav", toneWave(3));
    start(0);
    selectItems(waves, {0, 1});
    ASSERT_TRUE(pollUntil([&] { return selectedItems(waves).size() == 2u; }, kDefaultTimeout));
    click(button("recplay"));

    const HWND info = waitForForm(*program, "Tcompressinfo");
    EXPECT_TRUE(pollUntil([&] { return isVisible(findControl(info, "playingtxt")); }, kDefaultTimeout));
    EXPECT_TRUE(isVisible(findControl(info, "wavtxt")));
    EXPECT_FALSE(isEnabled(findControl(info, "showoutputbutt")));
    EXPECT_TRUE(buttonsAre("-S-F"));
    // 00:01 once a second has passed: the last digit "1" lights only b and c.
    const bool one = pollUntil(
        [&] {
            return isVisible(findControl(info, "timer42")) && isVisible(findControl(info, "timer43")) &&
                   !isVisible(findControl(info, "timer41"));
        },
        Milliseconds(2500));
    EXPECT_TRUE(one) << "the read-out never showed 00:01";

    click(button("recfwd"));
    EXPECT_TRUE(buttonsAre("-SB-")) << buttons();
    click(button("recstop"));
    EXPECT_TRUE(buttonsAre("P---")) << buttons();
    EXPECT_FALSE(isVisible(findControl(info, "playingtxt")));
}

TEST_F(WavePaneTest, ADamagedWaveIsRefusedByNameAndLeavesThePaneIdle) {
    dir.writeFile("broken.wav", "RIFF this is no wave at all");
    start(0);
    selectItems(waves, {0});
    ASSERT_TRUE(pollUntil([&] { return selectedItems(waves).size() == 1u; }, kDefaultTimeout));
    click(button("recplay"));
    EXPECT_EQ(errorText(),
              "The wave file \"" + dir.pathOf("broken.wav") + "\" cannot be played: it is not a RIFF wave file.");
    EXPECT_TRUE(buttonsAre("P---")) << buttons();
}

// Wine has no CD device: CD mode fails with the system's text, clearly.
TEST_F(WavePaneTest, WithoutACdDeviceCdModeSaysWhy) {
    dir.writeFile("Track01.cda", "");
    start(1);
    selectItems(waves, {0});
    ASSERT_TRUE(pollUntil([&] { return selectedItems(waves).size() == 1u; }, kDefaultTimeout));
    click(button("recplay"));
    const std::string text = errorText();
    EXPECT_GT(text.size(), 20u) << text;
    EXPECT_EQ(text.back(), '.');
    EXPECT_TRUE(buttonsAre("P---")) << buttons();
}

}  // namespace
}  // namespace zelvio::e2e
