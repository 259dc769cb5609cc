// The information window on the real window system: its read-out drawn by
// shown and hidden segments, its status texts, and the output memo folding.

#include "tests/e2e/driver.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

// The lit segments a to g of each digit.
const char* const segmentsOf[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};

std::string readout(HWND window) {
    std::string text;
    for (int position = 1; position <= 4; ++position) {
        std::string lit;
        for (int segment = 1; segment <= 7; ++segment) {
            const HWND shape = findControl(window, "timer" + std::to_string(position) + std::to_string(segment));
            if (isVisible(shape)) lit += static_cast<char>('a' + segment - 1);
        }
        char digit = '?';
        for (int d = 0; d < 10; ++d) {
            if (lit == segmentsOf[d]) digit = static_cast<char>('0' + d);
        }
        text += digit;
        if (position == 2) text += ':';
    }
    return text;
}

int clientHeight(HWND window) {
    const RECT r = clientRect(window);
    return r.bottom - r.top;
}

TEST(InformationWindowTest, ShowsTheReadOutAndFoldsItsMemo) {
    WorkDirectory dir;
    TestProcess tool(programBeside("information_window.exe"), dir.path());
    const HWND window = waitForForm(tool, "Tcompressinfo", kStartTimeout);
    EXPECT_EQ(windowCaption(window), "            Mp3 Zelvio Information");
    EXPECT_EQ(readout(window), "12:34");
    EXPECT_TRUE(isVisible(findControl(window, "playingtxt")));
    EXPECT_TRUE(isVisible(findControl(window, "wavtxt")));
    for (const char* hidden : {"recordingtxt", "encodetxt", "waittext", "Cdtxt", "outputmemo"}) {
        EXPECT_FALSE(isVisible(findControl(window, hidden))) << hidden;
    }
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const RECT client = clientRect(window);
    EXPECT_EQ(client.right - client.left, 241);
    EXPECT_EQ(client.bottom - client.top, 87);

    const HWND output = findControl(window, "showoutputbutt");
    const HWND memo = findControl(window, "outputmemo");
    click(output);
    // The memo shows and the window grows in two steps, down to the memo's bottom edge.
    ASSERT_TRUE(pollUntil([&] { return isVisible(memo); }, kDefaultTimeout));
    EXPECT_TRUE(pollUntil([&] { return clientHeight(window) == 176; }, kDefaultTimeout)) << clientHeight(window);
    EXPECT_EQ(readText(memo), "Debug: a line in the output memo");
    click(output);
    ASSERT_TRUE(pollUntil([&] { return !isVisible(memo); }, kDefaultTimeout));
    // Folded, up to the buttons' bottom edge.
    EXPECT_TRUE(pollUntil([&] { return clientHeight(window) == 79; }, kDefaultTimeout)) << clientHeight(window);

    // Alone in its program, the window is the main window: Hide ends it.
    click(findControl(window, "donebutt"));
    EXPECT_EQ(tool.waitForExit(), 0u);
}

}  // namespace
}  // namespace zelvio::e2e
