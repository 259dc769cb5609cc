// The wave header reader: other projects' waves (tests/corpus/waves, with an
// independent reader's reading of each) and headers made chunk by chunk,
// broken in each way there is.

#include "corpus_waves.h"
#include "wave_header.h"

#include "common/riffwave.h"
#include "platform/headless/headless_text_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace zelvio {
namespace {

RiffWave read(const std::string& bytes) { return readRiffWave(*makeHeadlessByteReader(bytes)); }

// One line of waves.tsv: file, format tag, channels, rate, bits, frames, status.
std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> found;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) found.push_back(field);
    found.resize(7);
    return found;
}

TEST(RiffWave, TheCorpusReadsAsAnIndependentReaderReadsIt) {
    std::ifstream table(corpusWaves + "waves.tsv");
    ASSERT_TRUE(table) << corpusWaves;
    std::string line;
    std::getline(table, line);  // the heads
    // Where this reader parts from that one: RF64 is no RIFF file to the
    // system's readers, and a format chunk of 2 bytes holds no fields.
    const std::map<std::string, WaveFault> faults = {{"taglib-rf64.wav", WaveFault::NotRiffWave},
                                                     {"taglib-segfault.wav", WaveFault::ShortFormat}};
    int files = 0;
    while (std::getline(table, line)) {
        const auto row = fields(line);
        SCOPED_TRACE(row[0]);
        ++files;
        const std::string bytes = corpusWave(row[0]);
        ASSERT_FALSE(bytes.empty());
        const RiffWave wave = read(bytes);
        if (const auto fault = faults.find(row[0]); fault != faults.end()) {
            EXPECT_EQ(wave.fault, fault->second);
            EXPECT_FALSE(wave.format);
            continue;
        }
        ASSERT_EQ(wave.fault, WaveFault::None);
        EXPECT_EQ(wave.format->formatTag, std::stoi(row[1], nullptr, 16));
        EXPECT_EQ(wave.format->channels, std::stoi(row[2]));
        EXPECT_EQ(wave.format->samplesPerSecond, std::stoul(row[3]));
        EXPECT_EQ(wave.format->bitsPerSample, std::stoi(row[4]));
        EXPECT_EQ(wave.data->size / wave.format->blockAlign, std::stoll(row[5]));
        EXPECT_LE(wave.data->offset + wave.data->size, static_cast<std::int64_t>(bytes.size()));
        EXPECT_EQ(bytes.substr(static_cast<std::size_t>(wave.data->offset) - 8, 4), "data");
    }
    EXPECT_EQ(files, 7);
}

TEST(RiffWave, ChunksComeInAnyOrderAndOddOnesArePadded) {
    const std::string samples(10, 'x');
    // A 3-byte chunk and its pad byte first, then the samples before the format.
    const RiffWave wave = read(riffWave(riffChunk("junk", "abc") + riffChunk("data", samples) +
                                        riffChunk("LIST", "INFOxyz") + formatChunk({.channels = 1, .blockAlign = 2})));
    ASSERT_EQ(wave.fault, WaveFault::None);
    EXPECT_EQ(wave.data->offset, 12 + 12 + 8);
    EXPECT_EQ(wave.data->size, 10);
    EXPECT_EQ(wave.format->channels, 1);
    EXPECT_EQ(wave.format->blockAlign, 2);
    EXPECT_EQ(wave.format->averageBytesPerSecond, 176400u);

    // Samples of an odd length, then the format after their pad byte.
    const RiffWave odd = read(riffWave(riffChunk("data", "12345") + formatChunk({})));
    ASSERT_EQ(odd.fault, WaveFault::None);
    EXPECT_EQ(odd.data->size, 5);
    EXPECT_EQ(odd.format->samplesPerSecond, 44100u);

    // The first format chunk counts, as the system's readers find it first.
    const RiffWave twice =
        read(riffWave(formatChunk({.channels = 1}) + formatChunk({.channels = 6}) + riffChunk("data", samples)));
    EXPECT_EQ(twice.format->channels, 1);
}

TEST(RiffWave, AChunkRunningPastTheEndIsCutThere) {
    // Samples said to be 1,000 bytes where 10 came; the RIFF size is not believed either.
    std::string bytes = riffWave(formatChunk({}) + riffChunk("data", std::string(10, 'x'), 1000));
    bytes.replace(4, 4, littleEndianBytes(0xFFFFFFFF, 4));
    const RiffWave cut = read(bytes);
    ASSERT_EQ(cut.fault, WaveFault::None);
    EXPECT_EQ(cut.data->size, 10);
    EXPECT_EQ(cut.data->declaredSize, 1000u);

    // A chunk that runs past the end hides what comes after it.
    const RiffWave hidden =
        read(riffWave(riffChunk("LIST", "INFO", 5000) + formatChunk({}) + riffChunk("data", "1234")));
    EXPECT_EQ(hidden.fault, WaveFault::NoFormat);
    EXPECT_FALSE(hidden.data);

    // A format chunk cut short of its fields, and stray bytes too few for a chunk's header.
    EXPECT_EQ(read(riffWave(riffChunk("data", "1234") + "fmt " + littleEndianBytes(16, 4) + "1234567")).fault,
              WaveFault::ShortFormat);
    const RiffWave stray = read(riffWave(formatChunk({}) + riffChunk("data", "1234") + "abc"));
    EXPECT_EQ(stray.fault, WaveFault::None);
    EXPECT_EQ(stray.data->size, 4);
}

TEST(RiffWave, EachHeaderThatCannotBeReadSaysWhy) {
    const std::string format = formatChunk({});
    const std::string data = riffChunk("data", "1234");
    std::string rf64 = riffWave(format + data);
    rf64.replace(0, 4, "RF64");
    std::string avi = riffWave(format + data);
    avi.replace(8, 4, "AVI ");
    for (const std::string& notWave : {rf64, avi, std::string("RIFF\x04\0\0\0WAV", 11), std::string()}) {
        EXPECT_EQ(read(notWave).fault, WaveFault::NotRiffWave);
    }
    EXPECT_EQ(read(riffWave(data)).fault, WaveFault::NoFormat);
    EXPECT_EQ(read(riffWave(riffChunk("fmt ", "\xff\xff") + data)).fault, WaveFault::ShortFormat);
    // WAVEFORMAT without its bits per sample: 14 bytes.
    EXPECT_EQ(read(riffWave(riffChunk("fmt ", format.substr(8, 14)) + data)).fault, WaveFault::ShortFormat);
    const RiffWave noData = read(riffWave(format + riffChunk("LIST", "INFO")));
    EXPECT_EQ(noData.fault, WaveFault::NoData);
    EXPECT_TRUE(noData.format);
}

TEST(RiffWave, FfmpegsMp3InAWaveReadsAsItIsWritten) {
    const RiffWave wave = read(ffmpegMp3Wave(std::string(417, 'x')));
    ASSERT_EQ(wave.fault, WaveFault::None);
    EXPECT_EQ(wave.format->formatTag, 0x55);
    EXPECT_EQ(wave.format->averageBytesPerSecond, 0u);
    EXPECT_EQ(wave.format->blockAlign, 1152);
    EXPECT_EQ(wave.format->bitsPerSample, 0);
    EXPECT_EQ(wave.data->size, 417);
}

}  // namespace
}  // namespace zelvio
