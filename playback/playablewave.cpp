#include "playback/playablewave.h"

#include "common/errors.h"
#include "common/filesystem.h"
#include "common/riffwave.h"

namespace zelvio {

namespace {

constexpr std::uint16_t pcmFormatTag = 1;

// What is wrong with the header, empty when nothing is.
std::string fault(const RiffWave& wave) {
    switch (wave.fault) {
        case WaveFault::NotRiffWave:
            return "it is not a RIFF wave file";
        case WaveFault::NoFormat:
            return "it has no format chunk";
        case WaveFault::ShortFormat:
            return "its format chunk is too short";
        case WaveFault::NoData:
            return "it has no data chunk";
        case WaveFault::None:
            break;
    }
    const WaveFormat& format = *wave.format;
    if (format.channels == 0) return "its format gives no channels";
    if (format.samplesPerSecond == 0) return "its format gives no sample rate";
    if (format.averageBytesPerSecond == 0) return "its format gives no average bytes per second";
    if (format.blockAlign == 0) return "its format gives no block alignment";
    const std::uint32_t frameBytes = std::uint32_t{format.channels} * format.bitsPerSample / 8;
    if (format.formatTag == pcmFormatTag && format.blockAlign != frameBytes) {
        return "its format gives a block alignment of " + std::to_string(format.blockAlign) + " bytes, not " +
               std::to_string(frameBytes) + " for " + std::to_string(format.channels) +
               (format.channels == 1 ? " channel" : " channels") + " of " + std::to_string(format.bitsPerSample) +
               " bits";
    }
    return {};
}

}  // namespace

void requirePlayableWave(FileSystem& fs, const std::string& path) {
    if (!fs.fileExists(path)) return;
    const std::string wrong = fault(readRiffWave(*fs.openBytes(path)));
    if (!wrong.empty()) throw MediaError("The wave file \"" + path + "\" cannot be played: " + wrong);
}

}  // namespace zelvio
