#include "settings/settingsfile.h"

#include "common/numbers.h"
#include "common/textfile.h"
#include "platform/filesystem.h"

namespace zelvio {

namespace {

// "ver 1.5" is version 5; a header without a last digit is a conversion error.
int configVersion(const std::string& header) {
    return StrToInt(header.empty() ? header : header.substr(header.size() - 1));
}

CdMode cdModeOf(int number) { return number == 1 ? CdMode::AudioCd : CdMode::Waves; }

}  // namespace

void readSettingsFile(FileSystem& fs, const std::string& path, SettingsFile& into) {
    auto reader = fs.openText(path);
    auto next = [&] { return readLineOrEmpty(*reader); };
    Settings& settings = into.settings;
    const std::string header = next();
    into.waveDirectory = next();
    into.mp3Directory = next();
    settings.encoderpath = next();
    settings.playerpath = next();
    settings.encodeflags = next();
    settings.cdmode = cdModeOf(StrToInt(next()));
    // The version is taken afresh before each group, as the header may not hold one.
    if (configVersion(header) > 2) {
        settings.ripperpath = next();
        settings.rippercommand = next();
    }
    if (configVersion(header) > 3) settings.mixerpath = next();
    if (configVersion(header) > 4) {
        for (std::optional<int>* bound : {&into.left, &into.top, &into.width, &into.height}) *bound = StrToInt(next());
    }
}

void writeSettingsFile(FileSystem& fs, const std::string& path, const SettingsFile& file) {
    const Settings& settings = file.settings;
    replaceWithLines(fs, path,
                     {
                         "ver 1.5",
                         file.waveDirectory,
                         file.mp3Directory,
                         settings.encoderpath,
                         settings.playerpath,
                         settings.encodeflags,
                         settings.cdmode == CdMode::AudioCd ? "1" : "0",
                         settings.ripperpath,
                         settings.rippercommand,
                         settings.mixerpath,
                         IntToStr(file.left.value_or(0)),
                         IntToStr(file.top.value_or(0)),
                         IntToStr(file.width.value_or(0)),
                         IntToStr(file.height.value_or(0)),
                     });
}

}  // namespace zelvio
