#pragma once
// The main window: the wave and MP3 panes, the command buttons and the menus.
// It owns the settings, the start and program directories.

#include "common/settings.h"
#include "platform/form.h"
#include "playback/browseddirectory.h"

#include <exception>
#include <string>

namespace zelvio {

class MainProgram;

class TForm1 : public Form {
public:
    explicit TForm1(MainProgram& program);

    MainProgram& program;

    Settings settings;
    std::string startdir;    // the working directory at start
    std::string programdir;  // its short form: where the settings and work files live
    bool settingsvalid = false;

    BrowsedDirectory recdir;  // the wave browser's directory
    BrowsedDirectory mp3dir;  // the MP3 browser's directory

    // Start-up, first run and close.
    void FormCreate();
    void FormActivate();
    void FormClose();
    void CustomException(const std::exception& error);

    // The settings file.
    void ReadSettingsFile();
    void WriteSettingsFile();

    // Commands.
    void Exit1Click();
    void showSettings();
    void configbuttClick();
    void Setup1Click();
    void startMixer();
    void mixerbuttClick();
    void Mixer1Click();
    void Index1Click();
};

}  // namespace zelvio
