#include "windows/installer/installwindow.h"

#include "common/errors.h"
#include "common/filesystem.h"
#include "common/paths.h"
#include "install/copywithprogress.h"
#include "platform/application.h"
#include "settings/settingsfile.h"
#include "windows/installer/installwindow_layout.h"

#include <vector>

namespace zelvio {

namespace {

const std::vector<std::string> welcomeLines = {
    "Welcome to Mp3 Zelvio!",
    "",
    "Mp3 Zelvio turns your wave files and audio CD tracks into",
    "MP3 files, gives every song its title, artist and length,",
    "and plays your MP3 collection through your own player.",
    "",
    "This installer will:",
    "  - ask where your MP3 player, MP3 encoder, mixer and",
    "    CD ripper are,",
    "  - copy Mp3 Zelvio into a new directory MPZELVIO",
    "    where you choose,",
    "  - write its first settings, and",
    "  - put Mp3 Zelvio in your START menu.",
    "",
    "Press NEXT to begin, or Close to leave without installing.",
};

const char* const playerHint = "If you do not know how to find the player, the USUAL player name is \"WINPLAY3.EXE\".";
const char* const encoderHint = "If you do not know how to find the encoder, the USUAL player name is \"L3ENC.EXE\".";
const char* const mixerHint =
    "If you do not know what your mixer is called, you can use \"SNDVOL32.EXE\" located in your windows "
    "directory  EG : \"C:\\WINDOWS\\SNDVOL32.exe\".";

std::string needsAdministrator(const std::string& chosen) {
    return "Installing in " + chosen +
           " needs administrator rights: start install.exe from a command prompt opened with \"Run as "
           "administrator\", or choose a directory of your own";
}

const char* const go32Missing = "(There was no go32._xe to copy: only a DOS encoder needs it.)";

}  // namespace

TInstallForm::TInstallForm(Application& app)
    : Form(app, installWindowDesign(), installWindowLayout()), DDEClient(app.dde(), app.launcher()) {
    OpenDialog1.filter = "Executable Files (*.exe)|*.exe|All Files (*.*)|*.*";
    welcomememo.setLines(welcomeLines);
    Memo1.setLines({"Great! Welcome!. But before we start i need to know a few things... ", std::string(25, ' '),
                    "If you have trouble try the FIND function under the ", "Windows START button."});
    drive.link(directory);
    directory.link(drive);
    onCreate = [this] { FormCreate(); };
    nextbutt.onClick = [this] { nextbuttClick(); };
    Closebutt.onClick = [this] { ClosebuttClick(); };
    control<Button>("BitBtn1").onClick = [this] { BitBtn1Click(); };
    control<Button>("BitBtn3").onClick = [this] { BitBtn3Click(); };
    control<Button>("BitBtn5").onClick = [this] { BitBtn5Click(); };
    control<Button>("BitBtn7").onClick = [this] { BitBtn7Click(); };
}

void TInstallForm::FormCreate() {
    // The conversation connects as the window is made, before anything else.
    DDEClient.openAtCreation();
    FileSystem& fs = app().fileSystem();
    sourcedir = ShortPath(fs, fs.currentDirectory());
    directory.showCurrent();
}

std::string TInstallForm::installdir() const {
    return ShortPath(app().fileSystem(), AddBackslash(directory.directory())) + "MPZELVIO";
}

void TInstallForm::show(std::initializer_list<const char*> names, bool shown) {
    for (const char* name : names) (*this)[name].setVisible(shown);
}

void TInstallForm::nextbuttClick() {
    Closebutt.setVisible(false);
    nextbutt.setText("DONE");
    welcomememo.setVisible(false);
    switch (installstep) {
        case 0:
            showProgramLocations();
            break;
        case 1:
            showWhereToInstall();
            break;
        case 2:
            install();
            break;
        default:
            finish();
            break;
    }
    ++installstep;
}

void TInstallForm::showProgramLocations() {
    show({"Label6", "Bevel2", "Label2", "Label3", "Label4", "Label5", "playeredit", "encoderedit", "mixeredit",
          "ripperedit", "BitBtn1", "BitBtn3", "BitBtn5", "BitBtn7", "Memo1"},
         true);
}

void TInstallForm::showWhereToInstall() {
    Label6.setText("Where to Install");
    show({"Label2", "Label3", "Label4", "Label5", "playeredit", "encoderedit", "mixeredit", "ripperedit", "BitBtn1",
          "BitBtn3", "BitBtn5", "BitBtn7"},
         false);
    show({"drive", "directory"}, true);
    Memo1.setLines({"", "", "Ok now you have to tell me where you want Mp3 Zelvio.",
                    "NOTE: I will create a directory called \"MPZELVIO\""});
    nextbutt.setText("INSTALL!");
}

void TInstallForm::install() {
    show({"drive", "directory"}, false);
    Memo1.setLines({"", "", "......Copying files......"});
    show({"Label7", "Label8", "Label9", "Label10", "Gauge1"}, true);

    FileSystem& fs = app().fileSystem();
    bool go32 = false;
    // Whatever stops the copies (no rights, a full disk) leaves the page as
    // it was before the click: the user may choose another directory. The
    // settings file comes last, so nothing stopped looks installed.
    const auto backToWhereToInstall = [this] {
        Label8.setText("");
        Label9.setText("");
        show({"Label7", "Label8", "Label9", "Label10", "Gauge1"}, false);
        showWhereToInstall();
    };
    try {
        const std::string target = installdir();
        if (!fs.directoryExists(target)) fs.createDirectory(target);

        copyPacked("mpzelv._xe", "mpzelvio.exe");
        // Only a DOS encoder needs go32; the package may well be without it.
        go32 = fs.fileExists(AddBackslash(sourcedir) + "go32._xe");
        if (go32) copyPacked("go32._xe", "go32.exe");
        // The encoders' command lines go through command.com, which newer systems lack.
        copyPacked("command.com", "command.com");
        writeConfigFile();
    } catch (const InOutError& error) {
        backToWhereToInstall();
        if (!error.accessDenied()) throw;
        // Where only an administrator may write (Program Files): the user is told how to go on.
        throw InOutError(std::string(error.what()) + ". " + needsAdministrator(directory.directory()), true);
    } catch (...) {
        backToWhereToInstall();
        throw;
    }

    Label8.setText("");
    show({"Label7", "Label8", "Label9", "Label10", "Gauge1"}, false);
    showAllDone(go32);
}

void TInstallForm::copyPacked(const std::string& packedName, const std::string& installedName) {
    const std::string source = AddBackslash(sourcedir) + packedName;
    const std::string destination = installdir() + "\\" + installedName;
    Label8.setText(source);
    Label9.setText(destination);
    paintPending();
    // The gauge's whole is the file's whole blocks; it follows each block read.
    CopyWithProgress(app().fileSystem(), source, destination, [this](int blocksRead, int wholeBlocks) {
        if (blocksRead == 0) {
            Gauge1.setMaximum(wholeBlocks);
        } else {
            Gauge1.setPosition(blocksRead);
        }
    });
}

// The first settings: the outside programs the user named, both panes on the
// directory the installer came from, and a 640 x 480 window at the corner.
void TInstallForm::writeConfigFile() {
    writeSettingsFile(app().fileSystem(), installdir() + "\\mpzelvio.cfg",
                      {.waveDirectory = sourcedir,
                       .mp3Directory = sourcedir,
                       .settings = {.encoderpath = encoderedit.text(),
                                    .playerpath = playeredit.text(),
                                    .ripperpath = ripperedit.text(),
                                    .mixerpath = mixeredit.text()},
                       .left = 0,
                       .top = 0,
                       .width = 640,
                       .height = 480});
}

void TInstallForm::showAllDone(bool go32Copied) {
    std::vector<std::string> lines{"",
                                   "Ok All done, when you press \"COOL!\" i will create the group in your START menu."};
    if (!go32Copied) lines.push_back(go32Missing);
    Memo1.setLines(std::move(lines));
    Label6.setText("Have fun with Mp3 Zelvio!");
    show({"Bevel3", "Image1"}, true);
    nextbutt.setText("COOL!");
}

void TInstallForm::finish() {
    const ProgramGroupOutcome group = CreateProgramGroup(DDEClient, installdir());
    if (!group.groupCreated) app().messageBox(MessageKind::Information, "Unable to create group.", MessageButtons::Ok);
    if (!group.itemCreated) app().messageBox(MessageKind::Information, "Unable to create item.", MessageButtons::Ok);
    close();
}

void TInstallForm::ClosebuttClick() { close(); }

void TInstallForm::browse(Edit& field, const char* emptyFieldHint) {
    OpenDialog1.fileName.clear();
    if (emptyFieldHint != nullptr && field.text().empty()) {
        app().messageBox(MessageKind::Information, emptyFieldHint, MessageButtons::Ok);
    }
    if (auto path = app().openFileDialog(OpenDialog1)) field.setText(*path);
}

void TInstallForm::BitBtn1Click() { browse(playeredit, playerHint); }
void TInstallForm::BitBtn3Click() { browse(encoderedit, encoderHint); }
void TInstallForm::BitBtn5Click() { browse(mixeredit, mixerHint); }
void TInstallForm::BitBtn7Click() { browse(ripperedit, nullptr); }

}  // namespace zelvio
