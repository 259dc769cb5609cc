#include "encoding/capturedwave.h"

#include "platform/filesystem.h"

#include <algorithm>
#include <cstdint>

namespace zelvio {

namespace {

// The template's one sample frame: a capture holding no more took in nothing.
constexpr std::int64_t templateSampleBytes = 4;
// Far more than any header a recorder or ripper writes before its samples.
constexpr std::size_t headerSearch = 4096;

std::uint32_t littleEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

}  // namespace

CapturedWave capturedWave(FileSystem& fs, const std::string& path) {
    const std::int64_t size = fs.fileSize(path);
    if (size < 0) return CapturedWave::Missing;
    if (size == 0) return CapturedWave::Empty;
    std::string head(static_cast<std::size_t>(std::min<std::int64_t>(size, headerSearch)), '\0');
    head.resize(fs.openBytes(path)->read(head.data(), head.size()));
    // Not a wave file we can read: the encoder is the judge of it.
    if (head.size() < 12 || head.compare(0, 4, "RIFF") != 0 || head.compare(8, 4, "WAVE") != 0) {
        return CapturedWave::Sound;
    }
    for (std::size_t at = 12; at + 8 <= head.size();) {
        const std::uint32_t declared = littleEndian32(head, at + 4);
        if (head.compare(at, 4, "data") == 0) {
            return declared > templateSampleBytes ? CapturedWave::Sound : CapturedWave::Empty;
        }
        at += 8 + static_cast<std::size_t>(declared) + (declared & 1);
    }
    return CapturedWave::Sound;
}

}  // namespace zelvio
