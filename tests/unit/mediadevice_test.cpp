// The media device's command strings, its one-shot options and its
// notifications, on the headless backend's simulated devices.

#include "program_fixture.h"

#include "common/errors.h"
#include "platform/application.h"
#include "platform/headless/headless_platform.h"
#include "playback/mediadevice.h"
#include "wave_header.h"

#include <gtest/gtest.h>

namespace zelvio {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;

class MediaDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless.fs.putFile("C:\\a.wav", waveLasting(2s));
        device.FileName = "C:\\a.wav";
        device.OnNotify = [this] { notes.push_back(device.NotifyValue == NotifyKind::Successful ? "done" : "other"); };
    }
    // The commands sent since the last call, the alias written as DEV.
    Texts sent() {
        Texts commands;
        for (std::size_t i = seen; i < headless.media.commands().size(); ++i) {
            commands.push_back(withoutAlias(headless.media.commands()[i]));
        }
        seen = headless.media.commands().size();
        return commands;
    }

    HeadlessPlatform headless;
    Application app{headless.platform()};
    MediaDevice device{app.system()};
    Texts notes;
    std::size_t seen = 0;
};

TEST_F(MediaDeviceTest, CommandsNeedAnOpenDevice) {
    for (auto command : {&MediaDevice::Play, &MediaDevice::Stop, &MediaDevice::Save, &MediaDevice::StartRecording}) {
        try {
            (device.*command)();
            ADD_FAILURE() << "no error";
        } catch (const MediaError& error) {
            EXPECT_STREQ(error.what(), "No MCI device open");
        }
    }
    EXPECT_EQ(device.Mode(), MPMode::mpNotReady);
    device.Close();  // nothing happens
    EXPECT_TRUE(sent().empty());
}

TEST_F(MediaDeviceTest, OneShotPositionsAndNotifyAreTakenByTheNextCommand) {
    device.Open();
    device.StartPos = 500;
    device.EndPos = 1500;
    device.Notify = false;
    device.Play();
    device.Stop();
    device.Play();  // from where it stands, notifying as plays do
    EXPECT_EQ(sent(), (Texts{"open \"C:\\a.wav\" type waveaudio alias DEV wait", "play DEV from 500 to 1500",
                             "stop DEV wait", "status DEV mode wait", "status DEV position wait",
                             "status DEV length wait", "play DEV notify"}));
    app.waitUntil([&] { return !notes.empty(); }, {.atMost = 10s});
    EXPECT_EQ(notes, Texts{"done"});  // one notification: the first play asked for none
    EXPECT_EQ(device.Position(), 2000u);
}

TEST_F(MediaDeviceTest, AWaveAtItsEndStartsOverAndAStoppedPlayIsNotifiedAsAborted) {
    device.Open();
    device.Play();
    app.waitUntil([] { return false; }, {.atMost = 5s});
    sent();
    device.Play();
    EXPECT_EQ(sent().at(3), "seek DEV to start wait");
    app.waitUntil([] { return false; }, {.atMost = 1s});
    device.Stop();
    app.processMessages();
    EXPECT_EQ(notes, (Texts{"done", "other"}));
    EXPECT_EQ(device.NotifyValue, NotifyKind::Aborted);
}

TEST_F(MediaDeviceTest, PauseTogglesAndResumeFallsBackToPlay) {
    device.Open();
    device.Play();
    app.waitUntil([] { return false; }, {.atMost = 500ms});
    device.Pause();
    EXPECT_EQ(device.Mode(), MPMode::mpPaused);
    device.Pause();  // resumes
    EXPECT_EQ(device.Mode(), MPMode::mpPlaying);
    device.Stop();
    sent();
    device.Resume();  // a stopped device cannot resume: it plays
    const Texts commands = sent();
    EXPECT_EQ(commands.front(), "resume DEV notify");
    EXPECT_EQ(commands.back(), "play DEV notify");
    EXPECT_EQ(device.Mode(), MPMode::mpPlaying);
}

TEST_F(MediaDeviceTest, AClosedDeviceHearsNothingMore) {
    device.Open();
    device.Play();
    device.Close();
    app.waitUntil([] { return false; }, {.atMost = 5s});
    EXPECT_TRUE(notes.empty());
    EXPECT_FALSE(device.opened());
}

TEST_F(MediaDeviceTest, AWaveNoDeviceCanPlayIsRefusedBeforeTheDeviceSeesIt) {
    headless.fs.putFile("C:\\mp3 in a wave.wav", ffmpegMp3Wave(std::string(417, 'x')));
    device.Open();
    sent();
    device.FileName = "C:\\mp3 in a wave.wav";
    try {
        device.Open();
        ADD_FAILURE() << "no error";
    } catch (const MediaError& error) {
        EXPECT_STREQ(error.what(),
                     "The wave file \"C:\\mp3 in a wave.wav\" cannot be played: its format gives no average bytes "
                     "per second");
    }
    // The open device was closed first, as before any open, and the file never named.
    EXPECT_EQ(sent(), Texts{"close DEV wait"});
    EXPECT_FALSE(device.opened());
    // A CD device has no file to check.
    headless.media.insertCd({2s});
    device.DeviceType = MPDeviceType::dtCDAudio;
    device.Open();
    EXPECT_TRUE(device.opened());
}

}  // namespace
}  // namespace zelvio
