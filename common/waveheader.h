#pragma once
// The 44-byte header of a PCM wave file: RIFF, a format chunk, and the
// head of the data chunk, its integers little-endian.

#include <cstdint>
#include <string>

namespace zelvio {

inline std::string waveHeader(std::uint16_t channels, std::uint32_t samplesPerSecond, std::uint16_t bitsPerSample,
                              std::uint32_t dataBytes) {
    auto number = [](std::uint32_t value, int bytes) {
        std::string text;
        for (int i = 0; i < bytes; ++i) text += static_cast<char>((value >> (8 * i)) & 0xFF);
        return text;
    };
    const std::uint32_t blockAlign = channels * bitsPerSample / 8u;
    return "RIFF" + number(36 + dataBytes, 4) + "WAVEfmt " + number(16, 4) + number(1, 2) + number(channels, 2) +
           number(samplesPerSecond, 4) + number(samplesPerSecond * blockAlign, 4) + number(blockAlign, 2) +
           number(bitsPerSample, 2) + "data" + number(dataBytes, 4);
}

}  // namespace zelvio
