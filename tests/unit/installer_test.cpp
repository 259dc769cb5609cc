// The installer on the headless backend: its pages after each press, where it
// installs, the copies and their progress, the first settings file, the
// program group, and every failure on the way.

#include "install/copywithprogress.h"
#include "app/installerprogram.h"
#include "windows/installer/installwindow.h"
#include "window_views.h"
#include "platform/headless/headless_platform.h"
#include "toolkit_problems.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zelvio {
namespace {

using Texts = std::vector<std::string>;

std::string needsAdministrator(const std::string& chosen) {
    return "Installing in " + chosen +
           " needs administrator rights: start install.exe from a command prompt opened with \"Run as "
           "administrator\", or choose a directory of your own.";
}

const char* const packageDir = "C:\\Downloads\\Mp3 Zelvio 0.93";
const char* const programBytes = "MZ the packed main program";

class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs().makeDirectories(packageDir);
        fs().setShortName("C:\\Downloads", "DOWNLO~1");
        fs().setShortName(packageDir, "MP3ZEL~1");
        fs().putFile(std::string(packageDir) + "\\mpzelv._xe", programBytes);
        fs().putFile(std::string(packageDir) + "\\command.com", "MZ command");
        fs().makeDirectories("C:\\Program Files");
        fs().setShortName("C:\\Program Files", "PROGRA~1");
        fs().changeDirectory(packageDir);
        headless.dde.serve("Progman", {"Progman"});
    }
    void TearDown() override { expectNoToolkitProblems(headless.toolkit); }

    void start() {
        installer = std::make_unique<InstallerProgram>(headless.platform());
        installer->run();  // shows the window; nothing happens until the test acts
    }
    InstallWindowView form() { return InstallWindowView(findWindow(installer->app(), "TInstallForm")); }
    const TInstallForm& window() { return dynamic_cast<const TInstallForm&>(form().window); }
    HeadlessFileSystem& fs() { return headless.fs; }
    void press() { form().nextbutt.click(); }
    // Goes through the first two pages and chooses `directory` to install into.
    void reachInstallPage(const std::string& directory) {
        start();
        press();
        press();
        form().directory.setDirectory(directory);
    }
    // The names of the controls on show, in design order.
    Texts shown() {
        Texts names;
        for (const auto& control : form().controls()) {
            if (control->visible()) names.push_back(control->name());
        }
        return names;
    }
    // A failed install leaves the wizard as it was before "INSTALL!".
    void expectWhereToInstall() {
        EXPECT_EQ(window().page(), 2);
        EXPECT_EQ(form().nextbutt.text(), "INSTALL!");
        EXPECT_EQ(shown(), (Texts{"nextbutt", "Bevel1", "Label1", "Memo1", "Bevel2", "Label6", "drive", "directory"}));
        EXPECT_EQ(form().Memo1.lines(), (Texts{"", "", "Ok now you have to tell me where you want Mp3 Zelvio.",
                                               "NOTE: I will create a directory called \"MPZELVIO\""}));
    }
    Texts boxTexts() {
        Texts texts;
        for (const auto& box : headless.toolkit.messageBoxes()) texts.push_back(box.text);
        return texts;
    }

    HeadlessPlatform headless;
    std::unique_ptr<InstallerProgram> installer;
};

TEST_F(InstallerTest, FourPressesWalkThePagesInstallAndMakeTheGroup) {
    start();
    EXPECT_EQ(window().packageDirectory(), "C:\\DOWNLO~1\\MP3ZEL~1");
    EXPECT_EQ(shown(), (Texts{"nextbutt", "Closebutt", "Bevel1", "Label1", "welcomememo"}));
    EXPECT_TRUE(form().nextbutt.focused());
    EXPECT_EQ(form()["Label1"].text(), "Mp Zelvio Installation V .93");

    press();
    EXPECT_EQ(window().page(), 1);
    EXPECT_EQ(form().nextbutt.text(), "DONE");
    EXPECT_EQ(shown(), (Texts{"nextbutt", "Bevel1", "Label1", "Memo1", "Bevel2", "Label6", "Label2", "playeredit",
                              "BitBtn1", "Label3", "encoderedit", "BitBtn3", "Label4", "mixeredit", "BitBtn5", "Label5",
                              "ripperedit", "BitBtn7"}));
    EXPECT_EQ(form().Label6.text(), "Program Locations");
    EXPECT_EQ(form().Memo1.lines(), (Texts{"Great! Welcome!. But before we start i need to know a few things... ",
                                           std::string(25, ' '), "If you have trouble try the FIND function under the ",
                                           "Windows START button."}));

    press();  // nothing asked for is required
    EXPECT_EQ(window().page(), 2);
    EXPECT_EQ(form().nextbutt.text(), "INSTALL!");
    EXPECT_EQ(shown(), (Texts{"nextbutt", "Bevel1", "Label1", "Memo1", "Bevel2", "Label6", "drive", "directory"}));
    EXPECT_EQ(form().Label6.text(), "Where to Install");
    EXPECT_EQ(form().Memo1.lines(), (Texts{"", "", "Ok now you have to tell me where you want Mp3 Zelvio.",
                                           "NOTE: I will create a directory called \"MPZELVIO\""}));
    form().directory.setDirectory("C:\\Program Files");

    press();
    EXPECT_EQ(window().page(), 3);
    EXPECT_EQ(form().nextbutt.text(), "COOL!");
    EXPECT_EQ(shown(), (Texts{"nextbutt", "Bevel1", "Label1", "Memo1", "Bevel2", "Label6", "Bevel3", "Image1"}));
    EXPECT_EQ(form().Label8.text(), "");
    EXPECT_EQ(form().Label9.text(), "C:\\PROGRA~1\\MPZELVIO\\command.com");
    EXPECT_EQ(form().Memo1.lines(),
              (Texts{"", "Ok All done, when you press \"COOL!\" i will create the group in your START menu.",
                     "(There was no go32._xe to copy: only a DOS encoder needs it.)"}));
    EXPECT_EQ(fs().fileBytes("C:\\Program Files\\MPZELVIO\\mpzelvio.exe"), programBytes);
    EXPECT_EQ(fs().fileBytes("C:\\Program Files\\MPZELVIO\\command.com"), "MZ command");
    EXPECT_FALSE(fs().fileExists("C:\\Program Files\\MPZELVIO\\go32.exe"));
    // Empty program paths are written as empty lines, the encoder before the player.
    EXPECT_EQ(fs().fileBytes("C:\\Program Files\\MPZELVIO\\mpzelvio.cfg"),
              "ver 1.5\r\nC:\\DOWNLO~1\\MP3ZEL~1\r\nC:\\DOWNLO~1\\MP3ZEL~1\r\n\r\n\r\n-hq\r\n0\r\n\r\n\r\n\r\n0\r\n0\r\n"
              "640\r\n480\r\n");
    EXPECT_EQ(fs().list("C:\\Program Files\\MPZELVIO"), (Texts{"mpzelvio.exe", "command.com", "mpzelvio.cfg"}));

    press();
    EXPECT_EQ(headless.dde.commands(),
              (Texts{"[CreateGroup(Mp3 Zelvio)]\r\n",
                     "[AddItem(C:\\PROGRA~1\\MPZELVIO\\mpzelvio.exe,Mp3 Zelvio,C:\\PROGRA~1\\MPZELVIO\\mpzelvio.exe,0,-1,-1,"
                     "C:\\PROGRA~1\\MPZELVIO)]\r\n"}));
    EXPECT_FALSE(headless.dde.connected());
    EXPECT_TRUE(boxTexts().empty());
    EXPECT_TRUE(installer->app().terminated());
}

TEST_F(InstallerTest, TheProgramPathsGoIntoTheSettingsInTheirOrder) {
    start();
    press();
    for (const char* path : {"C:\\P\\WINPLAY3.EXE", "C:\\E\\L3ENC.EXE", "C:\\M\\SNDVOL32.EXE", "C:\\R\\RIP.EXE"}) {
        headless.toolkit.answerOpenDialog(path);
    }
    form().control<Button>("BitBtn1").click();
    form().control<Button>("BitBtn3").click();
    form().control<Button>("BitBtn5").click();
    form().control<Button>("BitBtn7").click();
    press();
    form().directory.setDirectory("C:\\Program Files");
    press();
    const std::string cfg = fs().fileBytes("C:\\PROGRA~1\\MPZELVIO\\mpzelvio.cfg");
    EXPECT_NE(cfg.find("\r\nC:\\E\\L3ENC.EXE\r\nC:\\P\\WINPLAY3.EXE\r\n-hq\r\n0\r\nC:\\R\\RIP.EXE\r\n\r\nC:\\M\\SNDVOL32.EXE\r\n"),
              std::string::npos)
        << cfg;
}

TEST_F(InstallerTest, HintsShowWhileARowIsEmptyAndNeverForTheRipper) {
    start();
    press();
    auto& player = form().control<Button>("BitBtn1");
    headless.toolkit.answerOpenDialog(std::nullopt);
    player.click();
    headless.toolkit.answerOpenDialog(std::nullopt);
    player.click();  // cancelled: still empty, so the hint again
    headless.toolkit.answerOpenDialog("C:\\P\\WINPLAY3.EXE");
    player.click();
    headless.toolkit.answerOpenDialog(std::nullopt);
    player.click();  // filled: no hint, and a cancel keeps the path
    EXPECT_EQ(form().playeredit.text(), "C:\\P\\WINPLAY3.EXE");
    const std::string playerHint =
        "If you do not know how to find the player, the USUAL player name is \"WINPLAY3.EXE\".";
    EXPECT_EQ(boxTexts(), (Texts{playerHint, playerHint, playerHint}));
    for (const auto& box : headless.toolkit.messageBoxes()) {
        EXPECT_EQ(box.kind, MessageKind::Information);
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
    }

    headless.toolkit.clearRecords();
    for (const char* button : {"BitBtn3", "BitBtn5", "BitBtn7"}) {
        headless.toolkit.answerOpenDialog(std::nullopt);
        form().control<Button>(button).click();
    }
    EXPECT_EQ(boxTexts(),
              (Texts{"If you do not know how to find the encoder, the USUAL player name is \"L3ENC.EXE\".",
                     "If you do not know what your mixer is called, you can use \"SNDVOL32.EXE\" located in your "
                     "windows directory  EG : \"C:\\WINDOWS\\SNDVOL32.exe\"."}));
    ASSERT_EQ(headless.toolkit.openDialogs().size(), 3u);
    for (const auto& dialog : headless.toolkit.openDialogs()) {
        EXPECT_EQ(dialog.filter, "Executable Files (*.exe)|*.exe|All Files (*.*)|*.*");
        EXPECT_EQ(dialog.fileName, "");
    }
}

TEST_F(InstallerTest, TheInstallDirectoryIsTheShortFormOfTheChoiceWithMpzelvio) {
    start();
    form().directory.setDirectory("C:\\Program Files");
    EXPECT_EQ(window().installdir(), "C:\\PROGRA~1\\MPZELVIO");
    form().directory.setDirectory("C:\\");
    EXPECT_EQ(window().installdir(), "C:\\MPZELVIO");
    // Moving about does not move where the packed files are read from.
    EXPECT_EQ(window().packageDirectory(), "C:\\DOWNLO~1\\MP3ZEL~1");
}

TEST_F(InstallerTest, AnExistingInstallationIsReplacedAndGo32IsCopiedWhenThere) {
    fs().putFile(std::string(packageDir) + "\\go32._xe", "go32");
    fs().putFile("C:\\MPZELVIO\\mpzelvio.exe", "old program");
    fs().putFile("C:\\MPZELVIO\\go32.exe", "old go32");
    fs().putFile("C:\\MPZELVIO\\mpzelvio.cfg", "old settings\r\n");
    fs().putFile("C:\\MPZELVIO\\index.dat", "kept");
    reachInstallPage("C:\\");
    press();
    EXPECT_EQ(window().page(), 3);
    EXPECT_EQ(fs().fileBytes("C:\\MPZELVIO\\mpzelvio.exe"), programBytes);
    EXPECT_EQ(fs().fileBytes("C:\\MPZELVIO\\go32.exe"), "go32");
    EXPECT_EQ(fs().fileBytes("C:\\MPZELVIO\\mpzelvio.cfg").substr(0, 9), "ver 1.5\r\n");
    EXPECT_EQ(fs().fileBytes("C:\\MPZELVIO\\index.dat"), "kept");
    EXPECT_EQ(form().Memo1.lines().size(), 2u);  // nothing said about go32
}

TEST_F(InstallerTest, AMissingPackedFileStopsTheInstallOnItsPage) {
    struct Case {
        const char* packed;
        const char* installed;
        const char* target;
    };
    for (const Case c : {Case{"mpzelv._xe", "mpzelvio.exe", "C:\\One"}, Case{"command.com", "command.com", "C:\\Two"}}) {
        SCOPED_TRACE(c.packed);
        installer.reset();
        headless.toolkit.clearRecords();
        fs().changeDirectory(packageDir);
        const std::string packed = std::string(packageDir) + "\\" + c.packed;
        const std::string bytes = fs().fileBytes(packed);
        fs().deleteFile(packed);
        fs().makeDirectories(c.target);
        reachInstallPage(c.target);
        press();
        expectWhereToInstall();
        ASSERT_EQ(headless.toolkit.messageBoxes().size(), 1u);
        EXPECT_EQ(headless.toolkit.messageBoxes()[0].kind, MessageKind::PlainError);
        EXPECT_EQ(headless.toolkit.messageBoxes()[0].title, "install");
        EXPECT_EQ(boxTexts()[0], "Cannot copy C:\\DOWNLO~1\\MP3ZEL~1\\" + std::string(c.packed) + " to " + c.target +
                                     "\\MPZELVIO\\" + c.installed + ": The system cannot find the file specified.");
        EXPECT_FALSE(fs().fileExists(std::string(c.target) + "\\MPZELVIO\\mpzelvio.cfg"));

        // Put back, the next press repeats the whole install and ends it.
        fs().putFile(packed, bytes);
        press();
        EXPECT_EQ(window().page(), 3);
        EXPECT_TRUE(fs().fileExists(std::string(c.target) + "\\MPZELVIO\\mpzelvio.cfg"));
    }
}

TEST_F(InstallerTest, ASettingsFileThatCannotBeWrittenKeepsThePageAndTheNextPressRetries) {
    fs().putFile("C:\\MPZELVIO\\mpzelvio.cfg", "old settings\r\n");
    fs().failCreating("C:\\MPZELVIO\\mpzelvio.cfg.tmp");
    reachInstallPage("C:\\");
    press();
    expectWhereToInstall();
    EXPECT_EQ(boxTexts(), Texts{"Access is denied. " + needsAdministrator("C:\\")});
    EXPECT_EQ(fs().fileBytes("C:\\MPZELVIO\\mpzelvio.cfg"), "old settings\r\n");
    EXPECT_EQ(fs().fileBytes("C:\\MPZELVIO\\mpzelvio.exe"), programBytes);  // a copy made stays

    fs().clearFaults();
    press();
    EXPECT_EQ(window().page(), 3);
    EXPECT_EQ(fs().fileBytes("C:\\MPZELVIO\\mpzelvio.cfg").substr(0, 9), "ver 1.5\r\n");
}

TEST_F(InstallerTest, ADirectoryThatCannotBeMadeIsReported) {
    fs().failCreating("C:\\MPZELVIO");
    reachInstallPage("C:\\");
    press();
    EXPECT_EQ(window().page(), 2);
    EXPECT_EQ(boxTexts(), Texts{"Access is denied. " + needsAdministrator("C:\\")});
}

// Program Files, for a user who is not an administrator: the box says how to go on.
TEST_F(InstallerTest, ADirectoryOnlyAnAdministratorMayWriteInIsToldAsSuch) {
    fs().denyWriting("C:\\Program Files");
    reachInstallPage("C:\\Program Files");
    press();
    expectWhereToInstall();
    EXPECT_EQ(boxTexts(), Texts{"Access is denied. " + needsAdministrator("C:\\Program Files")});
    EXPECT_FALSE(fs().directoryExists("C:\\Program Files\\MPZELVIO"));

    // Where it already stands, the copies are the first to be refused.
    fs().makeDirectories("C:\\Elsewhere\\MPZELVIO");
    fs().denyWriting("C:\\Elsewhere\\MPZELVIO");
    headless.toolkit.clearRecords();
    form().directory.setDirectory("C:\\Elsewhere");
    press();
    EXPECT_EQ(boxTexts(), Texts{"Cannot copy C:\\DOWNLO~1\\MP3ZEL~1\\mpzelv._xe to C:\\Elsewhere\\MPZELVIO\\mpzelvio.exe: "
                                "Access is denied. " + needsAdministrator("C:\\Elsewhere")});
    expectWhereToInstall();

    // Another directory, chosen in the list, takes the installation.
    form().directory.setDirectory("C:\\");
    press();
    EXPECT_EQ(window().page(), 3);
    EXPECT_EQ(fs().fileBytes("C:\\MPZELVIO\\mpzelvio.exe"), programBytes);
}

TEST_F(InstallerTest, ACopyCutShortLeavesTheOldProgramWhole) {
    fs().putFile(std::string(packageDir) + "\\mpzelv._xe", std::string(5 * 4097, 'n'));
    fs().putFile("C:\\MPZELVIO\\mpzelvio.exe", "old program");
    fs().failWritingAfter(2, "C:\\MPZELVIO\\mpzelvio.exe.tmp");
    reachInstallPage("C:\\");
    press();
    expectWhereToInstall();
    EXPECT_EQ(boxTexts(), Texts{"Cannot copy C:\\DOWNLO~1\\MP3ZEL~1\\mpzelv._xe to C:\\MPZELVIO\\mpzelvio.exe: "
                                "There is not enough space on the disk."});
    EXPECT_EQ(fs().fileBytes("C:\\MPZELVIO\\mpzelvio.exe"), "old program");
    EXPECT_EQ(fs().list("C:\\MPZELVIO"), Texts{"mpzelvio.exe"});
}

TEST_F(InstallerTest, TheProgressCountsWholeBlocksOf4097Bytes) {
    struct Case {
        std::size_t size;
        int maximum;
    };
    for (const Case c : {Case{4096, 0}, Case{2 * 4097, 2}, Case{3 * 4096, 2}, Case{3'000'000, 732}, Case{0, 0}}) {
        SCOPED_TRACE(c.size);
        std::string bytes(c.size, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
        fs().putFile("C:\\source.bin", bytes);
        std::vector<int> read;
        int whole = -1;
        CopyWithProgress(fs(), "C:\\source.bin", "C:\\copy.bin", [&](int blocksRead, int wholeBlocks) {
            read.push_back(blocksRead);
            whole = wholeBlocks;
        });
        EXPECT_EQ(fs().fileBytes("C:\\copy.bin"), bytes);
        EXPECT_EQ(whole, c.maximum);
        // Told before the first block, then after each read, the last short one too.
        ASSERT_EQ(read.size(), static_cast<std::size_t>(c.maximum) + 2);
        EXPECT_EQ(read.front(), 0);
        EXPECT_EQ(read.back(), c.maximum + 1);
    }
}

class ProgramGroupTest : public InstallerTest {
protected:
    Texts attempts() { return headless.dde.attempts(); }
    void installAndFinish() {
        reachInstallPage("C:\\Program Files");
        press();
        press();
    }
};

TEST_F(ProgramGroupTest, WithoutProgramManagerBothFailuresAreToldAndTheWindowCloses) {
    headless.dde.serve("", {});
    headless.launcher.scriptResult(2);  // "ProgMan" cannot be started either
    installAndFinish();
    // Tried once at window creation, with one attempt to start Program Manager.
    EXPECT_EQ(attempts(), (Texts{"ProgMan|", "ProgMan|PROGMAN"}));
    ASSERT_EQ(headless.launcher.starts().size(), 1u);
    EXPECT_EQ(headless.launcher.starts()[0].commandLine, "ProgMan ");
    EXPECT_EQ(headless.launcher.starts()[0].showState, 7);
    EXPECT_EQ(boxTexts(), (Texts{"Unable to create group.", "Unable to create item."}));
    EXPECT_TRUE(installer->app().terminated());
}

TEST_F(ProgramGroupTest, AStartedProgramManagerIsAskedOnceMore) {
    headless.dde.serve("", {});
    headless.launcher.scriptResult(33);
    start();
    EXPECT_EQ(attempts(), (Texts{"ProgMan|", "ProgMan|PROGMAN", "ProgMan|", "ProgMan|PROGMAN"}));
}

TEST_F(ProgramGroupTest, AnOldProgramManagerAnswersTheEmptyTopic) {
    headless.dde.serve("PROGMAN", {""});
    installAndFinish();
    EXPECT_EQ(attempts(), Texts{"ProgMan|"});
    EXPECT_EQ(headless.dde.commands().size(), 2u);
    EXPECT_TRUE(headless.launcher.starts().empty());
}

TEST_F(ProgramGroupTest, RefusedCommandsAreBothReported) {
    headless.dde.failCommands();
    installAndFinish();
    EXPECT_EQ(boxTexts(), (Texts{"Unable to create group.", "Unable to create item."}));
}

TEST_F(ProgramGroupTest, APathWithACommaOrParenthesisIsQuoted) {
    fs().makeDirectories("C:\\A,B");
    reachInstallPage("C:\\A,B");
    press();
    press();
    EXPECT_EQ(headless.dde.commands().at(1),
              "[AddItem(\"C:\\A,B\\MPZELVIO\\mpzelvio.exe\",Mp3 Zelvio,\"C:\\A,B\\MPZELVIO\\mpzelvio.exe\",0,-1,-1,"
              "\"C:\\A,B\\MPZELVIO\")]\r\n");
    EXPECT_EQ(programManagerArgument("C:\\X (1)\\mpzelvio.exe"), "\"C:\\X (1)\\mpzelvio.exe\"");
    EXPECT_EQ(programManagerArgument("C:\\PROGRA~1\\mpzelvio.exe"), "C:\\PROGRA~1\\mpzelvio.exe");
}

TEST_F(InstallerTest, TheCloseButtonAndTheCloseBoxEndTheInstallerAtOnce) {
    start();
    form().Closebutt.click();
    EXPECT_TRUE(installer->app().terminated());
    EXPECT_TRUE(headless.dde.commands().empty());

    installer.reset();
    start();
    press();
    press();
    form().requestClose();
    EXPECT_TRUE(installer->app().terminated());
    EXPECT_FALSE(fs().directoryExists("C:\\Downloads\\Mp3 Zelvio 0.93\\MPZELVIO"));
}

}  // namespace
}  // namespace zelvio
