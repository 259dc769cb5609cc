// A wave file's header as the check before a device plays it reads it, and as
// the capture check does: whatever the file holds, the chunks found lie inside
// it, a header said to be whole has every field, and the check either passes
// a sane header or refuses with a media error naming the file.

#include "common/errors.h"
#include "common/riffwave.h"
#include "encoding/capturedwave.h"
#include "fuzz_check.h"
#include "platform/headless/headless_filesystem.h"
#include "playback/playablewave.h"

using namespace zelvio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    HeadlessFileSystem fs;
    const std::string path = "C:\\take.wav";
    fs.putFile(path, bytes);

    const RiffWave wave = readRiffWave(*fs.openBytes(path));
    const auto fileSize = static_cast<std::int64_t>(size);
    if (wave.data) {
        FUZZ_CHECK(wave.data->offset >= 20 && wave.data->size >= 0);
        FUZZ_CHECK(wave.data->offset + wave.data->size <= fileSize);
        FUZZ_CHECK(wave.data->size <= wave.data->declaredSize);
        FUZZ_CHECK(bytes.compare(static_cast<std::size_t>(wave.data->offset) - 8, 4, "data") == 0);
    }
    FUZZ_CHECK((wave.fault == WaveFault::None) == (wave.format && wave.data));
    FUZZ_CHECK(wave.fault != WaveFault::NotRiffWave || (!wave.format && !wave.data));

    try {
        requirePlayableWave(fs, path);
        FUZZ_CHECK(wave.fault == WaveFault::None);
        FUZZ_CHECK(wave.format->channels != 0 && wave.format->samplesPerSecond != 0 &&
                   wave.format->averageBytesPerSecond != 0 && wave.format->blockAlign != 0);
    } catch (const MediaError& error) {
        FUZZ_CHECK(std::string(error.what()).starts_with("The wave file \"" + path + "\" cannot be played: "));
    }

    const CapturedWave captured = capturedWave(fs, path);
    FUZZ_CHECK(size != 0 || captured == CapturedWave::Empty);
    return 0;
}
