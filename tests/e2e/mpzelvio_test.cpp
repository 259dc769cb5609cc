// mpzelvio.exe as a user meets it: it starts with its main window and ends
// from its File menu.

#include "tests/e2e/driver.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

constexpr const char* kMainCaption = "Mp3 Zelvio V 0.93";

// How long after its main window appears the program may take to greet a
// first start.
constexpr Milliseconds kFirstStartGrace{2000};

// Started without "mpzelvio.cfg", the program greets the user with an
// information box and then opens its settings dialog. This answers both when
// they come, so a test can go on with the main window.
void passFirstStart(const TestProcess& program) {
    std::optional<HWND> greeting;
    const bool greeted = pollUntil(
        [&] {
            greeting = findMessageBox(program, "Information");
            return greeting.has_value();
        },
        kFirstStartGrace);
    if (!greeted) return;
    pressButton(*greeting, "OK");
    const HWND settings = waitForForm(program, "Tmpconfig");
    click(findControl(settings, "Cancelbutt"));
    if (!waitUntilClosed(settings))
        throw DriverError("the settings dialog stays open after Cancel; " + describeWindows(program.id()));
}

class MainProgramTest : public ::testing::Test {
protected:
    WorkDirectory dir;
    TestProcess program{programBeside("mpzelvio.exe"), dir.path()};
    HWND mainWindow = startedMainWindow();

    HWND startedMainWindow() {
        const HWND window = waitForWindow(program, kMainCaption);
        passFirstStart(program);
        return window;
    }
};

TEST_F(MainProgramTest, ShowsItsMainWindowUnderTheApplicationWindow) {
    const HWND application = waitForTopLevel(
        program, [](HWND window) { return windowClass(window) == "TApplication"; }, "application window",
        kDefaultTimeout);
    EXPECT_EQ(windowCaption(application), "Mp3 Zelvio");
    const RECT size = windowRect(application);
    EXPECT_EQ(size.right - size.left, 0);
    EXPECT_EQ(size.bottom - size.top, 0);

    EXPECT_EQ(GetWindow(mainWindow, GW_OWNER), application);
    EXPECT_EQ(designName(mainWindow), "TForm1");
    EXPECT_TRUE(isEnabled(mainWindow));
}

TEST_F(MainProgramTest, FileExitEndsTheProgram) {
    chooseMenuItem(mainWindow, {"&File", "E&xit"});
    EXPECT_EQ(program.waitForExit(), 0u);
}

}  // namespace
}  // namespace zelvio::e2e
