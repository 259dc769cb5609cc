// Reading and writing "mpzelvio.cfg": one value per line, its meaning given by
// its line number; the header's last character is the file's version.

#include "common/errors.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/textfile.h"
#include "platform/application.h"
#include "platform/filesystem.h"
#include "playback/mpzelvio.h"

#include <optional>

namespace zelvio {

static const char* const settingsFileName = "mpzelvio.cfg";

// "ver 1.5" is version 5; a header without a last digit is a conversion error.
static int configVersion(const std::string& header) {
    return StrToInt(header.empty() ? header : header.substr(header.size() - 1));
}

void TForm1::ReadSettingsFile() {
    FileSystem& fs = app().fileSystem();
    if (!fs.fileExists(settingsFileName)) {
        settingsvalid = false;
        return;
    }
    auto reader = fs.openText(settingsFileName);
    auto next = [&] { return readLineOrEmpty(*reader); };

    // A saved directory that is gone (an unplugged drive, a deleted folder)
    // leaves its browser where it is; the rest of the file still counts, and
    // the error is reported once the file has been read.
    std::optional<InOutError> missingDirectory;
    auto browse = [&](DirectoryList& browser) {
        const std::string directory = next();
        if (directory.empty()) return;
        try {
            browser.setDirectory(directory);
        } catch (const InOutError& error) {
            if (!missingDirectory) missingDirectory = error;
        }
    };

    const std::string header = next();
    browse(recdir);
    browse(mp3dir);
    settings.encoderpath = next();
    settings.playerpath = next();
    settings.encodeflags = next();
    settings.cdmode = StrToInt(next());
    if (configVersion(header) > 2) {
        settings.ripperpath = next();
        settings.rippercommand = next();
    }
    if (configVersion(header) > 3) settings.mixerpath = next();
    if (configVersion(header) > 4) {
        Rect bounds = this->bounds();
        bounds.left = StrToInt(next());
        setBounds(bounds);
        bounds.top = StrToInt(next());
        setBounds(bounds);
        bounds.width = StrToInt(next());
        setBounds(bounds);
        bounds.height = StrToInt(next());
        setBounds(bounds);
    }
    reader.reset();
    settingsvalid = true;
    if (missingDirectory) throw *missingDirectory;
}

void TForm1::WriteSettingsFile() {
    FileSystem& fs = app().fileSystem();
    fs.changeDirectory(startdir);
    if (!settingsvalid) return;
    const Rect window = bounds();
    replaceWithLines(fs, AddBackslash(programdir) + settingsFileName,
                     {
                         "ver 1.5",
                         recdir.directory(),
                         mp3dir.directory(),
                         settings.encoderpath,
                         settings.playerpath,
                         settings.encodeflags,
                         IntToStr(settings.cdmode),
                         settings.ripperpath,
                         settings.rippercommand,
                         settings.mixerpath,
                         IntToStr(window.left),
                         IntToStr(window.top),
                         IntToStr(window.width),
                         IntToStr(window.height),
                     });
}

}  // namespace zelvio
