// What a capture left in its wave file: nothing, the template alone, or sound;
// and a file that is no wave we can read is the encoder's to judge.

#include "wave_header.h"

#include "encoding/capturedwave.h"
#include "encoding/wavetemplate.h"
#include "platform/headless/headless_filesystem.h"

#include <gtest/gtest.h>

namespace zelvio {
namespace {

TEST(CapturedWave, TheDataChunksOwnSizeSaysWhetherSoundCameInWhereverItIs) {
    HeadlessFileSystem fs;
    const std::string path = "C:\\temp.wav";
    const auto captured = [&](const std::string& bytes) {
        fs.putFile(path, bytes);
        return capturedWave(fs, path);
    };
    EXPECT_EQ(capturedWave(fs, path), CapturedWave::Missing);
    EXPECT_EQ(captured(""), CapturedWave::Empty);
    EXPECT_EQ(captured(std::string(WaveTemplate())), CapturedWave::Empty);
    EXPECT_EQ(captured(waveHeader(2, 44100, 16, 8)), CapturedWave::Sound);
    // A ripper's header may carry a long list before its samples.
    const std::string list = riffChunk("LIST", std::string(10000, 'i'));
    EXPECT_EQ(captured(riffWave(formatChunk({}) + list + riffChunk("data", "1234"))), CapturedWave::Empty);
    EXPECT_EQ(captured(riffWave(formatChunk({}) + list + riffChunk("data", "12345678"))), CapturedWave::Sound);
    // No data chunk, or no wave at all: the encoder will say what it makes of it.
    EXPECT_EQ(captured(riffWave(formatChunk({}))), CapturedWave::Sound);
    EXPECT_EQ(captured("ID3 and MPEG frames"), CapturedWave::Sound);
}

}  // namespace
}  // namespace zelvio
