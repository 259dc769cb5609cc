// install.exe as a user meets it: it starts with its window and ends by its
// close box.

#include "tests/e2e/driver.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

TEST(InstallerTest, ShowsItsWindowAndEndsByItsCloseBox) {
    WorkDirectory dir;
    TestProcess installer(programBeside("install.exe"), dir.path());
    const HWND window = waitForWindow(installer, "Mp3 Zelvio Setup");
    EXPECT_EQ(designName(window), "TInstallForm");

    pressCloseBox(window);
    EXPECT_EQ(installer.waitForExit(), 0u);
}

}  // namespace
}  // namespace zelvio::e2e
