// Starting outside programs and the mixer and help commands.

#include "program_fixture.h"

#include "programs/runprogram.h"

namespace zelvio {
namespace {

class LauncherTest : public ProgramTest {
protected:
    void SetUp() override {
        fs().putFile("C:\\mpzelvio.cfg", "ver 1.2\r\nC:\\\r\nC:\\\r\n\r\n\r\n-hq\r\n0\r\n");
        start();
    }
    std::vector<std::string> warnings() {
        std::vector<std::string> texts;
        for (const auto& box : boxes()) {
            EXPECT_EQ(box.title, "Warning");
            EXPECT_EQ(box.buttons, MessageButtons::Ok);
            texts.push_back(box.text);
        }
        return texts;
    }
};

TEST_F(LauncherTest, EachFailureCodeHasItsWarning) {
    for (unsigned code : {0u, 2u, 3u, 11u, 5u, 31u}) headless.launcher.scriptResult(code);
    for (int i = 0; i < 6; ++i) main()["mixerbutt"].click();
    EXPECT_EQ(warnings(), (std::vector<std::string>{
                              "Error executing the mixer the message was :The system is out of memory or resources.",
                              "Error executing the mixer the message was :The specified file was not found.",
                              "Error executing the mixer the message was :The specified path was not found.",
                              "Error executing the mixer the message was :The .EXE file is invalid (non-Win32 .EXE "
                              "or error in .EXE image).",
                              "Error executing the mixer the message was :",
                              "Error executing the mixer the message was :",
                          }));
}

TEST_F(LauncherTest, ASuccessfulStartShowsNothingAndPassesTheWholeLine) {
    std::string longLine = "C:\\PLAYER.EXE";
    while (longLine.size() < 450) longLine += " C:\\SOME\\LONG\\PLAYLIST.M3U";
    headless.launcher.scriptResult(33);
    headless.launcher.scriptResult(32);
    EXPECT_EQ(RunProgram(headless.launcher, longLine), std::nullopt);
    EXPECT_EQ(RunProgram(headless.launcher, "C:\\MIX.EXE"), std::nullopt);
    ASSERT_EQ(headless.launcher.starts().size(), 2u);
    EXPECT_EQ(headless.launcher.starts()[0].commandLine, longLine);
    EXPECT_EQ(headless.launcher.starts()[0].showState, 1);
}

TEST_F(LauncherTest, TheMixerCommandsStartTheShortFormOfTheMixerPath) {
    fs().makeDirectories("C:\\Program Files\\Sound Tools");
    fs().putFile("C:\\Program Files\\Sound Tools\\sndvol32.exe", "MZ");
    fs().setShortName("C:\\Program Files", "PROGRA~1");
    fs().setShortName("C:\\Program Files\\Sound Tools", "SOUNDT~1");
    main().settings.mixerpath = "C:\\Program Files\\Sound Tools\\sndvol32.exe";
    main()["mixerbutt"].click();
    main()["Mixer1"].click();
    EXPECT_TRUE(boxes().empty());
    ASSERT_EQ(headless.launcher.starts().size(), 2u);
    for (const auto& start : headless.launcher.starts()) {
        EXPECT_EQ(start.commandLine, "C:\\PROGRA~1\\SOUNDT~1\\sndvol32.exe");
    }
    EXPECT_EQ(main()["mixerbutt"].text(), "Mixer");
    EXPECT_EQ(main()["mixerbutt"].hint(), "Bring Up the mixer");
}

TEST_F(LauncherTest, AnEmptyMixerPathFailsWithAWarningNamingTheMixer) {
    main()["Mixer1"].click();
    EXPECT_EQ(warnings(),
              std::vector<std::string>{"Error executing the mixer the message was :The specified file was not found."});
    EXPECT_EQ(headless.launcher.starts().at(0).commandLine, "");
}

TEST_F(LauncherTest, HelpIndexIsNotThereYet) {
    main()["Index1"].click();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, "Information");
    EXPECT_EQ(boxes()[0].text, "Sorry function not yet implemented.");
    EXPECT_TRUE(headless.launcher.starts().empty());
}

}  // namespace
}  // namespace zelvio
