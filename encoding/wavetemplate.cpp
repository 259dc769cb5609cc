#include "encoding/wavetemplate.h"

#include "common/filesystem.h"
#include "common/replacefile.h"
#include "common/waveheader.h"

namespace zelvio {

std::string_view WaveTemplate() {
    // CD quality, and 4 bytes of data: one stereo sample frame.
    static const std::string bytes = waveHeader(2, 44100, 16, 4) + "\x61\xFF\x20\xFB";
    return bytes;
}

void writeWaveTemplate(FileSystem& fs, const std::string& path) {
    fs.deleteFile(path);
    // A template cut short must not be left for the recorder or the encoder.
    replaceWhenComplete(fs, path, [&](const std::string& temporary) { fs.writeBytes(temporary, WaveTemplate()); });
}

}  // namespace zelvio
