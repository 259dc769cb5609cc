#pragma once
// The header of a RIFF/WAVE file, read as the system's own readers read it:
// the chunks after "WAVE" in any order, each odd size padded to an even one,
// a chunk that runs past the end of the file cut there. The first format
// chunk and the first data chunk count; the RIFF chunk's own size does not,
// as streaming writers leave it wrong.

#include <cstdint>
#include <optional>

namespace zelvio {

class ByteReader;

// The fields of a format chunk (WAVEFORMATEX's first 16 bytes).
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint32_t averageBytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
};

// Where the samples are: the data chunk's body, from its first byte.
struct WaveData {
    std::int64_t offset = 0;
    std::int64_t size = 0;           // as far as the file holds it
    std::uint32_t declaredSize = 0;  // as the chunk's header says
};

// Why a header cannot be read, the first reason only.
enum class WaveFault { None, NotRiffWave, NoFormat, ShortFormat, NoData };

struct RiffWave {
    WaveFault fault = WaveFault::None;
    // Each as far as the file holds it, whatever the fault.
    std::optional<WaveFormat> format;
    std::optional<WaveData> data;
};

RiffWave readRiffWave(ByteReader& file);

}  // namespace zelvio
