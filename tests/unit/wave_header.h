#pragma once
// A wave file's header that says it lasts `length`: 8,000 bytes a second,
// and no samples behind it; the simulated devices go by the header alone.

#include <chrono>
#include <cstdint>
#include <string>

namespace zelvio {

inline std::string waveLasting(std::chrono::milliseconds length) {
    auto number = [](std::uint32_t value, int bytes) {
        std::string text;
        for (int i = 0; i < bytes; ++i) text += static_cast<char>((value >> (8 * i)) & 0xFF);
        return text;
    };
    const auto data = static_cast<std::uint32_t>(length.count() * 8);
    return "RIFF" + number(36 + data, 4) + "WAVEfmt " + number(16, 4) + number(1, 2) + number(1, 2) +
           number(8000, 4) + number(8000, 4) + number(1, 2) + number(8, 2) + "data" + number(data, 4);
}

}  // namespace zelvio
