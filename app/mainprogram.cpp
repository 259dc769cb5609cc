#include "app/mainprogram.h"

#include "windows/about/aboutbox.h"
#include "windows/indexdata/indexdata.h"
#include "windows/indexeditor/indexeditor.h"
#include "windows/information/informationwindow.h"
#include "windows/main/mainwindow.h"
#include "windows/rename/renamedialog.h"
#include "windows/settings/settingsdialog.h"
#include "windows/voice/voicerecorder.h"

namespace zelvio {

MainProgram::MainProgram(Platform platform) : app_(platform) {
    app_.setTitle("Mp3 Zelvio");
    information_ = std::make_unique<Tcompressinfo>(app_);
    main_ = std::make_unique<TForm1>(
        app_, session_, *information_,
        TForm1::Links{
            .showSettings = [this] { app_.showModal(*settings_); },
            .showAbout = [this] { app_.showModal(*about_); },
            // Shown without being modal: the recorder stays on top while the user works on.
            .showVoiceRecorder = [this] { voice_->show(); },
            .askNewName = [this](const std::string& name) { return rename_->askNewName(name); },
            .encodeFiles =
                [this](std::vector<std::string> files, std::vector<int> tracks, const std::string& indexPath) {
                    indexData_->encodeFiles(std::move(files), std::move(tracks), indexPath);
                },
            .editIndex = [this](std::vector<std::string> files,
                                const std::string& directory) { indexEditor_->editFiles(std::move(files), directory); },
            .resetAllToIdle = [this] { resetAllToIdle(); },
        });
    indexData_ = std::make_unique<TIndexdata>(app_, session_, *information_);
    indexData_->onEncoded = [this] { main_->showNewMp3s(); };
    settings_ = std::make_unique<Tmpconfig>(app_, session_.settings);
    voice_ = std::make_unique<Tmpvoicerecord>(app_, session_, *information_);
    voice_->onEncoded = [this] { main_->showNewMp3s(); };
    rename_ = std::make_unique<Trenamedialog>(app_);
    indexEditor_ = std::make_unique<Tindexeditor>(app_);
    about_ = std::make_unique<Tmpzelvioabout>(app_);

    // The main window first, so that it is the application's main window.
    // The others, in the order the program has always listed them, get their
    // windows when the user first opens them: hidden until then, they show
    // nothing, and the main window comes up without waiting for them.
    app_.createForm(*main_);
    for (Form* window : std::initializer_list<Form*>{indexData_.get(), information_.get(), settings_.get(), voice_.get(),
                                                     rename_.get(), indexEditor_.get(), about_.get()}) {
        app_.createFormWhenShown(*window);
    }
}

MainProgram::~MainProgram() = default;

void MainProgram::resetAllToIdle() {
    information_->resetToIdle();
    main_->resetToIdle();
    voice_->resetToIdle();
    indexData_->resetToIdle();
}

int MainProgram::run() {
    app_.run();
    return 0;
}

}  // namespace zelvio
