// Where the main program writes its own files: beside itself when it may,
// else in a directory of the user's own, with the outside programs seeing
// the same 8.3 paths as ever.

#include "program_fixture.h"

#include "wave_header.h"

namespace zelvio {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;

const char* const programDir = "C:\\Program Files\\MPZELVIO";
// The sixth line of a settings file: the encoder's flags.
std::string flagsIn(const std::string& settingsFile) {
    std::size_t start = 0;
    for (int line = 0; line < 5; ++line) start = settingsFile.find("\r\n", start) + 2;
    return settingsFile.substr(start, settingsFile.find("\r\n", start) - start);
}

const char* const perUser = "C:\\Users\\Tester\\AppData\\Local\\Mp3 Zelvio";

class WorkdirTest : public ProgramTest {
protected:
    void SetUp() override {
        fs().makeDirectories(programDir);
        fs().setShortName("C:\\Program Files", "PROGRA~1");
        fs().makeDirectories("C:\\MP3");
        fs().changeDirectory(programDir);
        install("C:\\MP3", "0", "");
    }
    // The settings file as the installer writes it, with the wave pane, CD mode and ripper command given.
    void install(const std::string& waves, const std::string& cdmode, const std::string& ripperCommand) {
        fs().putFile(installed, crlf({"ver 1.5", waves, "C:\\MP3", "C:\\L3ENC\\L3ENC.EXE", "C:\\PLAYER.EXE", "-hq",
                                      cdmode, "C:\\RIP\\DAC.EXE", ripperCommand, "", "0", "0", "640", "480"}));
    }
    // A fresh start of the program, as the Start Menu item makes it.
    void restart() {
        program.reset();
        fs().changeDirectory(programDir);
        start();
    }
    void exitProgram() {
        main().Exit1.click();
        ASSERT_TRUE(program->app().terminated());
    }
    std::string ownSettings() { return fs().fileBytes(std::string(perUser) + "\\mpzelvio.cfg"); }

    const std::string installed = std::string(programDir) + "\\mpzelvio.cfg";
};

TEST_F(WorkdirTest, AWritableProgramDirectoryKeepsEverythingAndIgnoresAnyPerUserFile) {
    fs().putFile(std::string(perUser) + "\\mpzelvio.cfg", crlf({"ver 1.2", "C:\\", "C:\\", "", "", "-per-user", "0"}));
    start();
    EXPECT_EQ(main().workdir, "C:\\PROGRA~1\\MPZELVIO");
    EXPECT_EQ(main().settings.encodeflags, "-hq");
    EXPECT_EQ(fs().list(programDir), Texts{"mpzelvio.cfg"});  // the trial file is gone
    main().settings.encodeflags = "-V 2";
    exitProgram();
    EXPECT_EQ(flagsIn(fs().fileBytes(installed)), "-V 2");
    EXPECT_EQ(flagsIn(ownSettings()), "-per-user");
}

TEST_F(WorkdirTest, AReadOnlyProgramDirectoryStartsFromTheInstallersFileAndKeepsChangesPerUser) {
    const std::string installersFile = fs().fileBytes(installed);
    fs().denyWriting(programDir);
    start();
    EXPECT_TRUE(boxes().empty());  // nothing to tell: no error, and no first run
    EXPECT_TRUE(main().settingsvalid);
    EXPECT_EQ(main().workdir, perUser);
    EXPECT_EQ(main().settings.playerpath, "C:\\PLAYER.EXE");
    EXPECT_FALSE(fs().directoryExists(perUser));  // made only when needed

    main().settings.encodeflags = "-V 2";
    exitProgram();
    EXPECT_EQ(flagsIn(ownSettings()), "-V 2");
    EXPECT_EQ(fs().fileBytes(installed), installersFile);

    restart();
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(main().settings.encodeflags, "-V 2");
}

TEST_F(WorkdirTest, TheWorkFilesOfAReadOnlyInstallGoPerUserAndReachTheOutsideProgramsIn83Form) {
    fs().denyWriting(programDir);
    fs().putFile("C:\\MP3\\Morning.mp3", "mp3");
    fs().putFile("C:\\PLAYER.EXE", "MZ");
    fs().makeDirectories(perUser);
    fs().setShortName(perUser, "MP3ZEL~1");
    const std::string shortPerUser = "C:\\Users\\Tester\\AppData\\Local\\MP3ZEL~1";
    start();

    main().mpsonglist.choose({0});
    main().mp3play.click();
    EXPECT_EQ(fs().fileBytes(std::string(perUser) + "\\mpzelv.m3u"), "Morning.mp3\r\n");
    ASSERT_EQ(headless.launcher.starts().size(), 1u);
    EXPECT_EQ(headless.launcher.starts()[0].commandLine, "C:\\PLAYER.EXE " + shortPerUser + "\\mpzelv.m3u");

    main().Voicebutt.click();
    recorder().recordvoicebutt.click();
    EXPECT_EQ(fs().fileBytes(std::string(perUser) + "\\voice.wav").size(), 48u);
    passTime(1s);
    recorder().Stopvoicebutt.click();
    headless.launcher.scriptRun({.effect = [this] { fs().putFile("C:\\MP3\\noname.mp3", "mp3"); }});
    recorder().Compressvoicebutt.click();
    ASSERT_EQ(headless.launcher.watched().size(), 1u);
    EXPECT_EQ(headless.launcher.watched()[0].commandLine,
              "command.com /c C:\\L3ENC\\L3ENC.EXE " + shortPerUser + "\\voice.wav C:\\MP3\\noname.mp3 -hq");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(WorkdirTest, ACdTrackOfAReadOnlyInstallIsCapturedPerUserWhereTheRipperRuns) {
    fs().addDrive('D');
    fs().putFile("D:\\Track01.cda", "");
    headless.media.insertCd({2s});
    install("D:\\", "1", "%T %O %W");
    fs().denyWriting(programDir);
    start();
    headless.launcher.scriptRun({.effect = [this] { fs().putFile(std::string(perUser) + "\\temp.wav", waveLasting(1s)); }});
    headless.launcher.scriptRun({.effect = [this] { fs().putFile("C:\\MP3\\Track01.mp3", "mp3"); }});
    main().recfilelist.choose({0});
    toolkit().answerMessageBox(MessageResult::Yes);
    toolkit().whenShownModally("TIndexdata", [this](Form&) {
        indexData().RipCdCheck.click();
        indexData().compresnow.click();
        indexData().Okbutt.click();
    });
    main().compilebutt.click();

    ASSERT_EQ(headless.launcher.watched().size(), 2u);
    // Without an 8.3 name the directory's name is quoted for the ripper.
    const std::string ownDir = "\"C:\\Users\\Tester\\AppData\\Local\\Mp3 Zelvio";
    EXPECT_EQ(headless.launcher.watched()[0].commandLine,
              "command.com /c C:\\RIP\\DAC.EXE 1 " + ownDir + "\\temp.wav\" " + ownDir + "\\\\\"");
    for (const auto& run : headless.launcher.watched()) EXPECT_EQ(run.directory, perUser);
    EXPECT_TRUE(fs().fileExists("C:\\MP3\\Track01.mp3"));
    EXPECT_FALSE(fs().fileExists(std::string(perUser) + "\\temp.wav"));
}

}  // namespace
}  // namespace zelvio
