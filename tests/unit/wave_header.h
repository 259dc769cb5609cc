#pragma once
// Wave files made for the tests: a header that says it lasts `length`, and
// RIFF/WAVE files made chunk by chunk. The simulated devices go by the header
// alone, so no samples are needed behind it.

#include "common/waveheader.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace zelvio {

// 8,000 bytes a second, and no samples behind the header.
inline std::string waveLasting(std::chrono::milliseconds length) {
    return waveHeader(1, 8000, 8, static_cast<std::uint32_t>(length.count() * 8));
}

inline std::string littleEndianBytes(std::uint32_t value, int bytes) {
    std::string text;
    for (int i = 0; i < bytes; ++i) text += static_cast<char>((value >> (8 * i)) & 0xFF);
    return text;
}

// A chunk: its id, the size of `body` (or `declared`), the body and a pad byte after an odd one.
inline std::string riffChunk(const std::string& id, const std::string& body, std::uint32_t declared) {
    return id + littleEndianBytes(declared, 4) + body + (body.size() % 2 == 1 ? std::string(1, '\0') : "");
}
inline std::string riffChunk(const std::string& id, const std::string& body) {
    return riffChunk(id, body, static_cast<std::uint32_t>(body.size()));
}

// A format chunk's 16 bytes of fields, then any `extra`.
struct FormatFields {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 2;
    std::uint32_t samplesPerSecond = 44100;
    std::uint32_t averageBytesPerSecond = 176400;
    std::uint16_t blockAlign = 4;
    std::uint16_t bitsPerSample = 16;
    std::string extra;
};
inline std::string formatChunk(const FormatFields& f) {
    return riffChunk("fmt ", littleEndianBytes(f.formatTag, 2) + littleEndianBytes(f.channels, 2) +
                                 littleEndianBytes(f.samplesPerSecond, 4) +
                                 littleEndianBytes(f.averageBytesPerSecond, 4) + littleEndianBytes(f.blockAlign, 2) +
                                 littleEndianBytes(f.bitsPerSample, 2) + f.extra);
}

// "RIFF", the size of what follows, "WAVE" and the chunks.
inline std::string riffWave(const std::string& chunks) {
    return "RIFF" + littleEndianBytes(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// MP3 audio in a wave file as FFmpeg writes it: format tag 0x55 with the 12
// bytes of MPEGLAYER3WAVEFORMAT, a block alignment of 1152 and, for a
// variable bit rate, 0 average bytes per second.
inline std::string ffmpegMp3Wave(const std::string& frames) {
    const std::string mpegLayer3 = littleEndianBytes(12, 2) + littleEndianBytes(1, 2) + littleEndianBytes(2, 4) +
                                   littleEndianBytes(1152, 2) + littleEndianBytes(1, 2) + littleEndianBytes(1393, 2);
    return riffWave(formatChunk({.formatTag = 0x55,
                                 .channels = 2,
                                 .samplesPerSecond = 44100,
                                 .averageBytesPerSecond = 0,
                                 .blockAlign = 1152,
                                 .bitsPerSample = 0,
                                 .extra = mpegLayer3}) +
                    riffChunk("fact", littleEndianBytes(1152, 4)) + riffChunk("data", frames));
}

}  // namespace zelvio
