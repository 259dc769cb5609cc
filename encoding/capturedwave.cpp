#include "encoding/capturedwave.h"

#include "common/filesystem.h"
#include "common/riffwave.h"

#include <cstdint>

namespace zelvio {

namespace {

// The template's one sample frame: a capture holding no more took in nothing.
constexpr std::int64_t templateSampleBytes = 4;

}  // namespace

CapturedWave capturedWave(FileSystem& fs, const std::string& path) {
    const std::int64_t size = fs.fileSize(path);
    if (size < 0) return CapturedWave::Missing;
    if (size == 0) return CapturedWave::Empty;
    const RiffWave wave = readRiffWave(*fs.openBytes(path));
    // Not a wave file we can read: the encoder is the judge of it.
    if (!wave.data) return CapturedWave::Sound;
    // What the recorder wrote down that it took in, whether or not all of it reached the file.
    return wave.data->declaredSize > templateSampleBytes ? CapturedWave::Sound : CapturedWave::Empty;
}

}  // namespace zelvio
