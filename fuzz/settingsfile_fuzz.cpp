// "mpzelvio.cfg" from any bytes: a file the program accepts is written back,
// what it writes reads back to the same settings, directories and window, and
// is written again byte for byte.

#include "fuzz_check.h"
#include "platform/headless/headless_filesystem.h"
#include "settings/settingsfile.h"

#include <exception>
#include <tuple>

using namespace zelvio;

namespace {

const std::string settingsPath = "C:\\ZELVIO\\mpzelvio.cfg";

auto state(const SettingsFile& file) {
    const Settings& s = file.settings;
    return std::make_tuple(s.encoderpath, s.playerpath, s.encodeflags, s.cdmode, s.ripperpath, s.rippercommand,
                           s.mixerpath, file.waveDirectory, file.mp3Directory, file.left.value_or(0),
                           file.top.value_or(0), file.width.value_or(0), file.height.value_or(0));
}

// Reads the file as the start does; false when the program refuses it.
bool readSettings(HeadlessFileSystem& fs, SettingsFile& file) {
    try {
        readSettingsFile(fs, settingsPath, file);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HeadlessFileSystem fs;
    fs.makeDirectories("C:\\ZELVIO");
    fs.putFile(settingsPath, std::string(reinterpret_cast<const char*>(data), size));
    SettingsFile read;
    if (!readSettings(fs, read)) return 0;
    writeSettingsFile(fs, settingsPath, read);
    const std::string written = fs.fileBytes(settingsPath);

    SettingsFile again;
    FUZZ_CHECK(readSettings(fs, again));
    FUZZ_CHECK(state(again) == state(read));
    writeSettingsFile(fs, settingsPath, again);
    FUZZ_CHECK(fs.fileBytes(settingsPath) == written);
    return 0;
}
