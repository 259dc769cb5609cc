// "mpzelvio.cfg" from any bytes: a file the program accepts is written back
// on close, and what it writes reads back to the same settings, directories
// and window, and is written again byte for byte.

#include "fuzz_check.h"
#include "platform/headless/headless_platform.h"
#include "playback/mpzelvio.h"
#include "shell/mainprogram.h"

#include <exception>
#include <tuple>

using namespace zelvio;

namespace {

const std::string settingsPath = "C:\\ZELVIO\\mpzelvio.cfg";

auto state(TForm1& main) {
    const Settings& s = main.settings;
    return std::make_tuple(s.encoderpath, s.playerpath, s.encodeflags, s.cdmode, s.ripperpath, s.rippercommand,
                           s.mixerpath, main.recdir.directory(), main.mp3dir.directory(), main.bounds());
}

// Reads the file as the start does; false when the program refuses it.
bool readSettings(HeadlessFileSystem& fs, TForm1& main) {
    fs.changeDirectory(main.startdir);
    main.settingsvalid = false;
    try {
        main.ReadSettingsFile();
    } catch (const std::exception&) {  // a gone directory still leaves the file valid
    }
    return main.settingsvalid;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HeadlessPlatform headless;
    HeadlessFileSystem& fs = headless.fs;
    for (const char* directory : {"C:\\WAVES", "C:\\MP3", "C:\\Long Directory Name"}) fs.makeDirectories(directory);
    fs.makeDirectories("C:\\ZELVIO");
    fs.changeDirectory("C:\\ZELVIO");
    MainProgram program(headless.platform());  // no settings file yet
    TForm1& main = *program.Form1;

    fs.putFile(settingsPath, std::string(reinterpret_cast<const char*>(data), size));
    if (!readSettings(fs, main)) return 0;
    const auto read = state(main);
    main.WriteSettingsFile();
    const std::string written = fs.fileBytes(settingsPath);

    FUZZ_CHECK(readSettings(fs, main));
    FUZZ_CHECK(state(main) == read);
    main.WriteSettingsFile();
    FUZZ_CHECK(fs.fileBytes(settingsPath) == written);
    FUZZ_CHECK(headless.toolkit.problems().empty());
    return 0;
}
