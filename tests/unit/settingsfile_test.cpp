// Reading and writing "mpzelvio.cfg" through the main window's start and close.

#include "program_fixture.h"


namespace zelvio {
namespace {

const std::vector<std::string> installerFile = {
    "ver 1.5", "C:\\WAVES", "C:\\MP3",   "C:\\L3ENC\\L3ENC.EXE", "C:\\WINPLAY3\\WINPLAY3.EXE", "-hq", "0",
    "C:\\RIP\\DAC.EXE", "",       "C:\\WINDOWS\\SNDVOL32.EXE", "0", "0", "640", "480"};

class SettingsFileTest : public ProgramTest {
protected:
    void SetUp() override {
        fs().makeDirectories("C:\\ZELVIO");
        fs().makeDirectories("C:\\WAVES");
        fs().makeDirectories("C:\\MP3");
        fs().changeDirectory("C:\\ZELVIO");
    }
    void putSettings(const std::vector<std::string>& lines) { fs().putFile("C:\\ZELVIO\\mpzelvio.cfg", crlf(lines)); }
    std::string savedSettings() { return fs().fileBytes("C:\\ZELVIO\\mpzelvio.cfg"); }
    void closeMain() { main().requestClose(); }
    // Ends the running program and starts a new one in the start directory.
    void restart() {
        program.reset();
        fs().changeDirectory("C:\\ZELVIO");
        start();
    }
};

TEST_F(SettingsFileTest, TheInstallersFileLoadsCompletely) {
    putSettings(installerFile);
    start();
    EXPECT_TRUE(main().settingsvalid);
    EXPECT_EQ(main().recdir.directory(), "C:\\WAVES");
    EXPECT_EQ(main().mp3dir.directory(), "C:\\MP3");
    EXPECT_EQ(fs().currentDirectory(), "C:\\MP3");
    // Each browser lists its own directory only, and the drive is asked for its label once.
    EXPECT_EQ(fs().listings(), 2u);
    EXPECT_EQ(fs().labelsAsked(), std::vector<char>{'C'});
    const Settings& s = main().settings;
    EXPECT_EQ(s.encoderpath, "C:\\L3ENC\\L3ENC.EXE");
    EXPECT_EQ(s.playerpath, "C:\\WINPLAY3\\WINPLAY3.EXE");
    EXPECT_EQ(s.encodeflags, "-hq");
    EXPECT_EQ(s.cdmode, CdMode::Waves);
    EXPECT_EQ(s.ripperpath, "C:\\RIP\\DAC.EXE");
    EXPECT_EQ(s.rippercommand, "");
    EXPECT_EQ(s.mixerpath, "C:\\WINDOWS\\SNDVOL32.EXE");
    EXPECT_EQ(main().bounds(), (Rect{0, 0, 640, 480}));
    EXPECT_TRUE(boxes().empty());

    // Nothing changed: the close writes the same file back, byte for byte.
    const std::string before = savedSettings();
    fs().deleteFile("C:\\ZELVIO\\mpzelvio.cfg");  // so that only a write brings it back
    closeMain();
    EXPECT_TRUE(program->app().terminated());
    EXPECT_EQ(savedSettings(), before);
    EXPECT_EQ(fs().currentDirectory(), "C:\\ZELVIO");
}

TEST_F(SettingsFileTest, TheHeadersLastCharacterGatesTheOptionalLines) {
    struct Case {
        const char* header;
        bool ripper, mixer, bounds;
    };
    for (const Case& c : {Case{"ver 1.2", false, false, false}, Case{"ver 1.3", true, false, false},
                          Case{"ver 1.4", true, true, false}, Case{"ver 1.5", true, true, true},
                          Case{"ver 1.10", false, false, false}}) {
        SCOPED_TRACE(c.header);
        std::vector<std::string> lines = installerFile;
        lines[0] = c.header;
        lines[10] = "-7";
        putSettings(lines);
        restart();
        EXPECT_TRUE(main().settingsvalid);
        EXPECT_EQ(main().settings.ripperpath, c.ripper ? "C:\\RIP\\DAC.EXE" : "");
        EXPECT_EQ(main().settings.mixerpath, c.mixer ? "C:\\WINDOWS\\SNDVOL32.EXE" : "");
        EXPECT_EQ(main().bounds(), (c.bounds ? Rect{-7, 0, 640, 480} : Rect{116, 91, 640, 482}));
        EXPECT_TRUE(errors().empty());
    }
}

TEST_F(SettingsFileTest, AShortOldFileLoadsAndIsWrittenBackWhole) {
    putSettings({"ver 1.2", "C:\\WAVES", "C:\\MP3", "enc.exe", "play.exe", "-hq -m", "1"});
    start();
    EXPECT_TRUE(main().settingsvalid);
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(main().settings.cdmode, CdMode::AudioCd);
    closeMain();
    EXPECT_EQ(savedSettings(), crlf({"ver 1.5", "C:\\WAVES", "C:\\MP3", "enc.exe", "play.exe", "-hq -m", "1", "",
                                     "", "", "116", "91", "640", "482"}));
}

TEST_F(SettingsFileTest, NegativeBoundsRoundTrip) {
    std::vector<std::string> lines = installerFile;
    lines[10] = "-20";
    lines[11] = "-3";
    putSettings(lines);
    start();
    EXPECT_EQ(main().bounds(), (Rect{-20, -3, 640, 480}));
    main().setBounds({-150, 10, 700, 500});
    closeMain();
    lines[10] = "-150";
    lines[11] = "10";
    lines[12] = "700";
    lines[13] = "500";
    EXPECT_EQ(savedSettings(), crlf(lines));
}

TEST_F(SettingsFileTest, AnEmptyFlagsLineGivesEmptyFlags) {
    std::vector<std::string> lines = installerFile;
    lines[5] = "";
    putSettings(lines);
    start();
    EXPECT_EQ(main().settings.encodeflags, "");
}

TEST_F(SettingsFileTest, BadNumbersEndTheReadingWithAConversionError) {
    struct Case {
        std::vector<std::string> lines;
        std::string error;
    };
    std::vector<std::string> truncated(installerFile.begin(), installerFile.begin() + 12);
    std::vector<std::string> badMode = installerFile;
    badMode[6] = "no";
    std::vector<std::string> emptyHeader = installerFile;
    emptyHeader[0] = "";
    std::vector<std::string> letterHeader = installerFile;
    letterHeader[0] = "ver 1.x";
    for (const Case& c : {Case{truncated, "'' is not a valid integer value."},
                          Case{badMode, "'no' is not a valid integer value."},
                          Case{emptyHeader, "'' is not a valid integer value."},
                          Case{letterHeader, "'x' is not a valid integer value."}}) {
        SCOPED_TRACE(c.error);
        toolkit().clearRecords();
        putSettings(c.lines);
        restart();
        EXPECT_FALSE(main().settingsvalid);
        EXPECT_EQ(errors(), std::vector<std::string>{c.error});
    }
}

TEST_F(SettingsFileTest, ValuesReadBeforeAFailureStayInForce) {
    std::vector<std::string> lines(installerFile.begin(), installerFile.begin() + 12);
    putSettings(lines);  // stops after the top edge
    start();
    EXPECT_EQ(main().settings.mixerpath, "C:\\WINDOWS\\SNDVOL32.EXE");
    EXPECT_EQ(main().bounds(), (Rect{0, 0, 640, 482}));
}

TEST_F(SettingsFileTest, AMissingDirectoryIsReportedOnceAndTheRestIsRead) {
    std::vector<std::string> lines = installerFile;
    lines[1] = "C:\\GONE";
    lines[2] = "C:\\DELETED";
    putSettings(lines);
    start();
    EXPECT_EQ(errors(), std::vector<std::string>{"The system cannot find the file specified."});
    EXPECT_TRUE(main().settingsvalid);
    EXPECT_EQ(main().recdir.directory(), "C:\\ZELVIO");
    EXPECT_EQ(main().mp3dir.directory(), "C:\\ZELVIO");
    EXPECT_EQ(main().settings.mixerpath, "C:\\WINDOWS\\SNDVOL32.EXE");
    EXPECT_EQ(main().bounds(), (Rect{0, 0, 640, 480}));

    // The settings survive: the next close keeps every path.
    closeMain();
    lines[1] = "C:\\ZELVIO";
    lines[2] = "C:\\ZELVIO";
    EXPECT_EQ(savedSettings(), crlf(lines));
}

TEST_F(SettingsFileTest, AGoneMp3DirectoryShowsTheStartOneAndTheWaveDirectoryStaysCurrent) {
    std::vector<std::string> lines = installerFile;
    lines[2] = "C:\\DELETED";
    putSettings(lines);
    start();
    EXPECT_EQ(errors(), std::vector<std::string>{"The system cannot find the file specified."});
    EXPECT_EQ(main().recdir.directory(), "C:\\WAVES");
    EXPECT_EQ(main().mp3dir.directory(), "C:\\ZELVIO");
    EXPECT_EQ(fs().currentDirectory(), "C:\\WAVES");
}

TEST_F(SettingsFileTest, AnUnreadableFileIsAnInputOutputError) {
    putSettings(installerFile);
    fs().failOpening("C:\\ZELVIO\\mpzelvio.cfg");
    start();
    EXPECT_FALSE(main().settingsvalid);
    EXPECT_EQ(errors(), std::vector<std::string>{"Access is denied."});
}

TEST_F(SettingsFileTest, AFailedWriteKeepsTheOldFileAndTheWindowOpen) {
    std::vector<std::string> lines = installerFile;
    putSettings(lines);
    const std::string before = savedSettings();
    // A failure on each of the 14 lines, and one at the close of the file.
    for (std::size_t failAfter = 0; failAfter <= 15; ++failAfter) {
        if (failAfter == 14) continue;
        SCOPED_TRACE(failAfter);
        toolkit().clearRecords();
        restart();
        main().settings.playerpath = "C:\\NEW\\PLAYER.EXE";
        fs().failWritingAfter(failAfter);
        toolkit().answerMessageBox(MessageResult::Ok);  // the error
        toolkit().answerMessageBox(MessageResult::No);  // not closing without the settings
        closeMain();
        EXPECT_FALSE(program->app().terminated());
        EXPECT_EQ(errors(), std::vector<std::string>{"There is not enough space on the disk."});
        EXPECT_EQ(savedSettings(), before);
        EXPECT_EQ(fs().list("C:\\ZELVIO"), std::vector<std::string>{"mpzelvio.cfg"});

        // The next close tries again, and succeeds.
        closeMain();
        EXPECT_TRUE(program->app().terminated());
        lines[4] = "C:\\NEW\\PLAYER.EXE";
        EXPECT_EQ(savedSettings(), crlf(lines));
        putSettings(installerFile);
        lines = installerFile;
    }
}

TEST_F(SettingsFileTest, SettingsThatCannotBeSavedAskWhetherToCloseAnyway) {
    putSettings(installerFile);
    start();
    main().startdir = "C:\\VANISHED";
    toolkit().answerMessageBox(MessageResult::Ok);
    toolkit().answerMessageBox(MessageResult::No);
    closeMain();
    EXPECT_FALSE(program->app().terminated());
    EXPECT_EQ(errors(), std::vector<std::string>{"The system cannot find the file specified."});
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].kind, MessageKind::PlainQuestion);
    EXPECT_EQ(boxes()[1].title, "Mp3 Zelvio");
    EXPECT_EQ(boxes()[1].text, "Mp3 Zelvio could not save its settings. Close anyway?");
    EXPECT_EQ(boxes()[1].buttons, MessageButtons::YesNo);

    // Every close fails the same way; Yes leaves without the settings.
    toolkit().answerMessageBox(MessageResult::Ok);
    toolkit().answerMessageBox(MessageResult::Yes);
    closeMain();
    EXPECT_TRUE(program->app().terminated());
    EXPECT_EQ(errors().size(), 2u);
    EXPECT_EQ(savedSettings(), crlf(installerFile));
}

TEST_F(SettingsFileTest, TheFileGoesToTheShortFormOfTheStartDirectory) {
    fs().makeDirectories("C:\\Program Files\\Mp3 Zelvio");
    fs().setShortName("C:\\Program Files", "PROGRA~1");
    fs().setShortName("C:\\Program Files\\Mp3 Zelvio", "MP3ZEL~1");
    fs().changeDirectory("C:\\Program Files\\Mp3 Zelvio");
    start();
    EXPECT_EQ(main().startdir, "C:\\Program Files\\Mp3 Zelvio");
    EXPECT_EQ(main().programdir, "C:\\PROGRA~1\\MP3ZEL~1");
    main().settingsvalid = true;
    closeMain();
    EXPECT_TRUE(fs().fileExists("C:\\Program Files\\Mp3 Zelvio\\mpzelvio.cfg"));
}

TEST_F(SettingsFileTest, AtADriveRootThePathHasOneBackslash) {
    fs().changeDirectory("C:\\");
    fs().putFile("C:\\mpzelvio.cfg", crlf(installerFile));
    start();
    EXPECT_EQ(main().startdir, "C:\\");
    EXPECT_EQ(main().programdir, "C:\\");
    main().settings.encodeflags = "-br 128";
    closeMain();
    EXPECT_NE(fs().fileBytes("C:\\mpzelvio.cfg").find("\r\n-br 128\r\n"), std::string::npos);
}

}  // namespace
}  // namespace zelvio
