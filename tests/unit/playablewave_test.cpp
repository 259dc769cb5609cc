// The check before a device plays a wave file: what no device can play
// sanely is refused with a text naming the file, the rest is the device's.

#include "corpus_waves.h"
#include "wave_header.h"

#include "common/errors.h"
#include "platform/headless/headless_filesystem.h"
#include "playback/playablewave.h"

#include <gtest/gtest.h>

namespace zelvio {
namespace {

class PlayableWave : public ::testing::Test {
protected:
    // The refusal's text for a file of these bytes, or "plays".
    std::string verdict(const std::string& bytes) {
        fs.putFile(path, bytes);
        try {
            requirePlayableWave(fs, path);
            return "plays";
        } catch (const MediaError& error) {
            return error.what();
        }
    }
    std::string refusal(const std::string& why) { return "The wave file \"" + path + "\" cannot be played: " + why; }
    std::string wave(const FormatFields& format) { return riffWave(formatChunk(format) + riffChunk("data", "1234")); }

    HeadlessFileSystem fs;
    const std::string path = "C:\\My Waves\\take 1.wav";
};

TEST_F(PlayableWave, WhatNoDeviceCanPlaySanelyIsRefusedByName) {
    EXPECT_EQ(verdict(ffmpegMp3Wave(std::string(417, 'x'))), refusal("its format gives no average bytes per second"));
    EXPECT_EQ(verdict("RF64"), refusal("it is not a RIFF wave file"));
    EXPECT_EQ(verdict(riffWave(riffChunk("data", "1234"))), refusal("it has no format chunk"));
    EXPECT_EQ(verdict(riffWave(riffChunk("fmt ", "\xff\xff") + riffChunk("data", ""))),
              refusal("its format chunk is too short"));
    EXPECT_EQ(verdict(riffWave(formatChunk({}))), refusal("it has no data chunk"));
    EXPECT_EQ(verdict(wave({.channels = 0})), refusal("its format gives no channels"));
    EXPECT_EQ(verdict(wave({.samplesPerSecond = 0})), refusal("its format gives no sample rate"));
    EXPECT_EQ(verdict(wave({.blockAlign = 0})), refusal("its format gives no block alignment"));
    EXPECT_EQ(verdict(wave({.formatTag = 0,
                            .channels = 0,
                            .samplesPerSecond = 0,
                            .averageBytesPerSecond = 0,
                            .blockAlign = 0,
                            .bitsPerSample = 0})),
              refusal("its format gives no channels"));
    EXPECT_EQ(verdict(wave({.blockAlign = 3})),
              refusal("its format gives a block alignment of 3 bytes, not 4 for 2 channels of 16 bits"));
    EXPECT_EQ(verdict(wave({.channels = 1, .blockAlign = 2, .bitsPerSample = 8})),
              refusal("its format gives a block alignment of 2 bytes, not 1 for 1 channel of 8 bits"));
}

TEST_F(PlayableWave, CompressedFormatsWithASaneHeaderAreTheDevicesToJudge) {
    EXPECT_EQ(verdict(wave({})), "plays");
    EXPECT_EQ(verdict(waveHeader(1, 8000, 8, 0)), "plays");  // no samples at all is no harm
    // MP3 at 128 kbit/s, IMA ADPCM's blocks, 24-bit PCM.
    EXPECT_EQ(verdict(wave({.formatTag = 0x55, .averageBytesPerSecond = 16000, .blockAlign = 1, .bitsPerSample = 0})),
              "plays");
    EXPECT_EQ(
        verdict(wave({.formatTag = 0x11, .averageBytesPerSecond = 88200, .blockAlign = 2048, .bitsPerSample = 4})),
        "plays");
    EXPECT_EQ(verdict(wave({.averageBytesPerSecond = 264600, .blockAlign = 6, .bitsPerSample = 24})), "plays");
    for (const char* name : {"taglib-alaw.wav", "taglib-float64.wav", "taglib-uint8we.wav", "taglib-infloop.wav"}) {
        EXPECT_EQ(verdict(corpusWave(name)), "plays") << name;
    }
}

TEST_F(PlayableWave, AMissingFileIsLeftToTheDevice) { EXPECT_NO_THROW(requirePlayableWave(fs, "C:\\nowhere.wav")); }

}  // namespace
}  // namespace zelvio
