// The launcher stand-in answers as WinExec would for the files at hand.

#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>

namespace zelvio {
namespace {

TEST(HeadlessLauncher, AnswersByWhetherTheProgramFileExists) {
    HeadlessPlatform headless;
    HeadlessFileSystem& fs = headless.fs;
    HeadlessLauncher& launcher = headless.launcher;
    fs.putFile("C:\\L3ENC\\L3ENC.EXE", "");
    fs.putFile("C:\\WORK\\command.com", "");
    fs.changeDirectory("C:\\WORK");

    EXPECT_EQ(launcher.startDetached("c:\\l3enc\\l3enc.exe in.wav out.mp3 -hq", 1, ""), 33u);
    EXPECT_EQ(launcher.startDetached("command.com /c C:\\L3ENC\\L3ENC.EXE", 1, ""), 33u);  // beside the current directory
    EXPECT_EQ(launcher.startDetached("C:\\L3ENC\\L3ENC /c", 1, ""), 2u);                    // ".exe" is not added
    EXPECT_EQ(launcher.startDetached("C:\\NONE\\L3ENC.EXE", 1, ""), 3u);                    // no such directory
    EXPECT_EQ(launcher.startDetached("", 1, ""), 2u);
    EXPECT_EQ(launcher.startDetached("\"C:\\L3ENC\\L3ENC.EXE\" -hq", 1, ""), 33u);

    ASSERT_EQ(launcher.starts().size(), 6u);
    EXPECT_EQ(launcher.starts()[1].commandLine, "command.com /c C:\\L3ENC\\L3ENC.EXE");
    EXPECT_EQ(launcher.starts()[1].showState, 1);
}

TEST(HeadlessLauncher, ScriptedResultsComeFirstInOrder) {
    HeadlessPlatform headless;
    HeadlessFileSystem& fs = headless.fs;
    HeadlessLauncher& launcher = headless.launcher;
    fs.putFile("C:\\PLAYER.EXE", "");
    launcher.scriptResult(8);
    launcher.scriptResult(42);
    EXPECT_EQ(launcher.startDetached("C:\\NONE.EXE", 0, ""), 8u);
    EXPECT_EQ(launcher.startDetached("C:\\NONE.EXE", 0, ""), 42u);
    EXPECT_EQ(launcher.startDetached("C:\\NONE.EXE", 0, ""), 2u);
    EXPECT_EQ(launcher.startDetached("C:\\PLAYER.EXE x", 7, ""), 33u);
    EXPECT_EQ(launcher.starts().back().showState, 7);
}

}  // namespace
}  // namespace zelvio
