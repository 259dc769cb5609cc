// The main window's start-up, first run, close and error handler, and the
// settings file it reads at start and writes at close.

#include "common/errors.h"
#include "common/filesystem.h"
#include "common/paths.h"
#include "common/workdir.h"
#include "platform/application.h"
#include "settings/settingsfile.h"
#include "settings/settingslocation.h"
#include "windows/main/mainwindow.h"

namespace zelvio {

namespace {

const char* const firstRunMessage =
    "Thank you for taking the time to try out MP Zelvio. The next step is setting up the mp3 encoder "
    "and player, next i will bring up the MP Zelvio config. In here you have to tell me where player "
    "and encoder are, If you have not already installed the encoder and player do so now.";

}  // namespace

void TForm1::FormCreate() {
    app().setExceptionHandler([this](const std::exception& error) { CustomException(error); });
    session_.startdir = app().fileSystem().currentDirectory();
    session_.programdir = ShortPath(app().fileSystem(), session_.startdir);
    session_.workdir = chooseWorkdir(app().fileSystem(), session_.programdir);
    FormResize();
    ReadSettingsFile();
}

void TForm1::FormActivate() {
    if (session_.settingsvalid) return;
    session_.settingsvalid = true;
    app().messageBox(MessageKind::Information, firstRunMessage, MessageButtons::Ok);
    links_.showSettings();
}

bool TForm1::FormCloseQuery() {
    try {
        WriteSettingsFile();
        return true;
    } catch (const std::exception& error) {
        // The existing file is still whole; a settings file that cannot be
        // written must not keep the user from leaving.
        CustomException(error);
        return app().messageBox(MessageKind::PlainQuestion, "Mp3 Zelvio could not save its settings. Close anyway?",
                                MessageButtons::YesNo) == MessageResult::Yes;
    }
}

void TForm1::Exit1Click() { close(); }

void TForm1::CustomException(const std::exception& error) {
    app().errorBox(std::string(error.what()) + ".");
    if (links_.resetAllToIdle) links_.resetAllToIdle();
}

void TForm1::ReadSettingsFile() {
    FileSystem& fs = app().fileSystem();
    const std::string path = settingsFileToRead(fs, session_.startdir, session_.workdir);
    if (!fs.fileExists(path)) {
        session_.settingsvalid = false;
        showDirectories({});
        return;
    }
    // What was read before a failure stays in force; the failure is told
    // once all of it is applied.
    SettingsFile file;
    std::exception_ptr failure;
    try {
        readSettingsFile(fs, path, file);
    } catch (const std::exception&) {
        failure = std::current_exception();
    }
    const std::exception_ptr missingDirectory = showDirectories(file);
    session_.settings = file.settings;
    for (auto [bound, value] : {std::pair{&Rect::left, file.left}, std::pair{&Rect::top, file.top},
                                std::pair{&Rect::width, file.width}, std::pair{&Rect::height, file.height}}) {
        if (!value) continue;
        Rect window = bounds();
        window.*bound = *value;
        setBounds(window);
    }
    if (failure) std::rethrow_exception(failure);
    session_.settingsvalid = true;
    if (missingDirectory) std::rethrow_exception(missingDirectory);
}

std::exception_ptr TForm1::showDirectories(const SettingsFile& file) {
    // Each browser lists one directory: the saved one, or, where there is
    // none or it is gone (an unplugged drive, a deleted folder), the one the
    // program started in. The rest of the file still counts.
    std::exception_ptr missing;
    const auto show = [&](DirectoryList& browser, const std::string& directory) {
        if (!directory.empty()) {
            try {
                browser.setDirectory(directory);
                return;
            } catch (const InOutError&) {
                if (!missing) missing = std::current_exception();
            }
        }
        browser.showDirectory(session_.startdir);
    };
    show(recdir, file.waveDirectory);
    mp3drive.shareDrives(recdrive);
    show(mp3dir, file.mp3Directory);
    return missing;
}

void TForm1::WriteSettingsFile() {
    FileSystem& fs = app().fileSystem();
    // The browsed directories are let go, whatever happens next.
    fs.changeDirectory(session_.startdir);
    if (!session_.settingsvalid) return;
    const Rect window = bounds();
    writeSettingsFile(fs, settingsFileToWrite(fs, session_.workdir),
                      {.waveDirectory = recdir.directory(),
                       .mp3Directory = mp3dir.directory(),
                       .settings = session_.settings,
                       .left = window.left,
                       .top = window.top,
                       .width = window.width,
                       .height = window.height});
}

}  // namespace zelvio
