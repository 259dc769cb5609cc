#pragma once
// The installer's one window: four pages walked by one button, the last but
// one of which installs.

#include "install/programgroup.h"
#include "platform/controls/button.h"
#include "platform/controls/directory_list.h"
#include "platform/controls/drive_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/gauge.h"
#include "platform/controls/memo.h"
#include "platform/form.h"
#include "platform/toolkit.h"

#include <string>

namespace zelvio {

class Application;

class TInstallForm : public Form {
public:
    explicit TInstallForm(Application& app);

    // The page on show: 0 welcome, 1 program locations, 2 where to install, 3 all done.
    int page() const { return installstep; }
    // Where the packed files are: the working directory at start, in 8.3 form.
    const std::string& packageDirectory() const { return sourcedir; }

    // The chosen directory, in 8.3 form, with "MPZELVIO" added.
    std::string installdir() const;

private:
    void FormCreate();
    void nextbuttClick();
    void ClosebuttClick();
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn5Click();
    void BitBtn7Click();

    Button& nextbutt = control<Button>("nextbutt");
    Button& Closebutt = control<Button>("Closebutt");
    Memo& welcomememo = control<Memo>("welcomememo");
    Memo& Memo1 = control<Memo>("Memo1");
    Control& Label6 = (*this)["Label6"];
    Edit& playeredit = control<Edit>("playeredit");
    Edit& encoderedit = control<Edit>("encoderedit");
    Edit& mixeredit = control<Edit>("mixeredit");
    Edit& ripperedit = control<Edit>("ripperedit");
    DriveBox& drive = control<DriveBox>("drive");
    DirectoryList& directory = control<DirectoryList>("directory");
    Control& Label8 = (*this)["Label8"];
    Control& Label9 = (*this)["Label9"];
    Gauge& Gauge1 = control<Gauge>("Gauge1");

    // The page on show: 0 welcome, 1 program locations, 2 where to install, 3 all done.
    int installstep = 0;
    // The working directory when the window was made, in 8.3 form: where the packed files are.
    std::string sourcedir;
    OpenFileRequest OpenDialog1;
    ProgramManagerLink DDEClient;

    void showProgramLocations();
    void showWhereToInstall();
    void install();
    void showAllDone(bool go32Copied);
    void finish();
    void show(std::initializer_list<const char*> names, bool shown);
    // Copies one packed file from sourcedir into installdir under its final name.
    void copyPacked(const std::string& packedName, const std::string& installedName);
    void writeConfigFile();
    void browse(Edit& field, const char* emptyFieldHint);
};

}  // namespace zelvio
