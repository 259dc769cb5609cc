#include "common/riffwave.h"

#include "common/filesystem.h"

#include <algorithm>
#include <string>

namespace zelvio {

namespace {

constexpr std::int64_t chunkHeaderSize = 8;
// The format chunk's fields: a shorter chunk leaves the device without some.
constexpr std::int64_t formatFieldsSize = 16;

// Up to `count` bytes at `offset`; fewer at the end of the file.
std::string readAt(ByteReader& file, std::int64_t offset, std::size_t count) {
    std::string bytes(count, '\0');
    file.seek(offset);
    bytes.resize(file.read(bytes.data(), count));
    return bytes;
}

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

WaveFormat formatOf(const std::string& fields) {
    return {.formatTag = static_cast<std::uint16_t>(littleEndian(fields, 0, 2)),
            .channels = static_cast<std::uint16_t>(littleEndian(fields, 2, 2)),
            .samplesPerSecond = littleEndian(fields, 4, 4),
            .averageBytesPerSecond = littleEndian(fields, 8, 4),
            .blockAlign = static_cast<std::uint16_t>(littleEndian(fields, 12, 2)),
            .bitsPerSample = static_cast<std::uint16_t>(littleEndian(fields, 14, 2))};
}

}  // namespace

RiffWave readRiffWave(ByteReader& file) {
    RiffWave wave;
    const std::int64_t fileSize = file.size();
    const std::string riff = readAt(file, 0, 12);
    if (riff.size() < 12 || riff.compare(0, 4, "RIFF") != 0 || riff.compare(8, 4, "WAVE") != 0) {
        wave.fault = WaveFault::NotRiffWave;
        return wave;
    }
    bool formatSeen = false;
    for (std::int64_t at = 12; at + chunkHeaderSize <= fileSize && !(formatSeen && wave.data);) {
        const std::string header = readAt(file, at, chunkHeaderSize);
        if (header.size() < chunkHeaderSize) break;
        const std::int64_t declared = littleEndian(header, 4, 4);
        const std::int64_t body = at + chunkHeaderSize;
        const std::int64_t size = std::min(declared, fileSize - body);
        if (header.compare(0, 4, "fmt ") == 0 && !formatSeen) {
            formatSeen = true;
            const std::string fields = size >= formatFieldsSize ? readAt(file, body, formatFieldsSize) : "";
            if (fields.size() == formatFieldsSize) wave.format = formatOf(fields);
        } else if (header.compare(0, 4, "data") == 0 && !wave.data) {
            wave.data = WaveData{body, size, static_cast<std::uint32_t>(declared)};
        }
        at = body + declared + (declared & 1);
    }
    if (!formatSeen) {
        wave.fault = WaveFault::NoFormat;
    } else if (!wave.format) {
        wave.fault = WaveFault::ShortFormat;
    } else if (!wave.data) {
        wave.fault = WaveFault::NoData;
    }
    return wave;
}

}  // namespace zelvio
