// The windows on screens unlike the designer's: a screen of 144 DPI, where
// the layout shows at one and a half times its design size, and a thicker
// title bar, which the frames grow around without taking the client area.
// Each condition is set in the Wine prefix's registry before the program
// starts (it reads it once then) and put back at the end of its test, as
// the other test programs share the prefix.

#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/utf8.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelvio::e2e {
namespace {

// A registry value set for as long as it lives, the old one (or none) put back after.
class RegistryValue {
public:
    RegistryValue(HKEY root, const wchar_t* key, const wchar_t* name, DWORD type, const void* data, DWORD size)
        : name_(name) {
        if (RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr) !=
            ERROR_SUCCESS) {
            throw DriverError("cannot open the registry key " + toUtf8(key));
        }
        DWORD oldSize = 0;
        if (RegQueryValueExW(key_, name, nullptr, &oldType_, nullptr, &oldSize) == ERROR_SUCCESS) {
            old_.resize(oldSize);
            RegQueryValueExW(key_, name, nullptr, &oldType_, old_.data(), &oldSize);
            hadOld_ = true;
        }
        if (RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS) {
            RegCloseKey(key_);
            throw DriverError("cannot set the registry value " + toUtf8(name));
        }
    }
    ~RegistryValue() {
        if (hadOld_) {
            RegSetValueExW(key_, name_, 0, oldType_, old_.data(), static_cast<DWORD>(old_.size()));
        } else {
            RegDeleteValueW(key_, name_);
        }
        RegCloseKey(key_);
    }
    RegistryValue(const RegistryValue&) = delete;
    RegistryValue& operator=(const RegistryValue&) = delete;

private:
    HKEY key_ = nullptr;
    const wchar_t* name_;
    DWORD oldType_ = 0;
    std::vector<BYTE> old_;
    bool hadOld_ = false;
};

// The screen's DPI for the programs started while it lives: Wine takes the
// user's setting, else the hardware profile's.
class ScreenDpi {
public:
    explicit ScreenDpi(DWORD dpi)
        : user_(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi),
          profile_(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts",
                   L"LogPixels", REG_DWORD, &dpi, sizeof dpi) {}

private:
    RegistryValue user_;
    RegistryValue profile_;
};

// Caption bars of this height (in pixels at 96 DPI) for this process, and in
// the registry for the programs it starts, while it lives.
class CaptionHeight {
public:
    explicit CaptionHeight(int pixels) {
        old_.cbSize = sizeof old_;
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof old_, &old_, 0)) {
            throw DriverError("cannot read the non-client metrics");
        }
        NONCLIENTMETRICSW taller = old_;
        taller.iCaptionHeight = pixels;
        if (!SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof taller, &taller, SPIF_UPDATEINIFILE)) {
            throw DriverError("cannot set the caption height");
        }
    }
    ~CaptionHeight() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof old_, &old_, SPIF_UPDATEINIFILE); }
    CaptionHeight(const CaptionHeight&) = delete;
    CaptionHeight& operator=(const CaptionHeight&) = delete;

private:
    NONCLIENTMETRICSW old_{};
};

// A design pixel on the 144-DPI screen, rounded as the system rounds.
int at144(int design) { return MulDiv(design, 144, 96); }
int fromScreen(int screen) { return MulDiv(screen, 96, 144); }

// A rectangle in design pixels as the 144-DPI screen shows it: both corners scaled.
RECT scaledRect(int left, int top, int width, int height) {
    return {at144(left), at144(top), at144(left + width), at144(top + height)};
}

// A control's rectangle in its window's client coordinates.
RECT placeOf(HWND control) {
    RECT place = windowRect(control);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

std::string describe(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

void expectPlace(HWND window, const char* control, const RECT& expected) {
    EXPECT_EQ(describe(placeOf(findControl(window, control))), describe(expected)) << control;
}

// The client area, from (0, 0).
RECT clientArea(HWND window) {
    RECT client{};
    if (!GetClientRect(window, &client)) throw DriverError("cannot read the client area of a window that is gone");
    return client;
}

int clientHeight(HWND window) { return clientArea(window).bottom; }

int heightOf(HWND window) {
    const RECT r = windowRect(window);
    return r.bottom - r.top;
}

TEST(ScreenMetricsTest, AtOneHundredFortyFourDpiTheMainWindowShowsItsLayoutHalfAgainAsLarge) {
    const ScreenDpi dpi(144);
    WorkDirectory dir;
    // The saved place is the screen's, in its pixels.
    const std::string settings = joinLines(
        {"ver 1.5", dir.path(), dir.path(), "", "", "-hq", "0", "", "", "", "30", "20", "960", "723"});
    dir.writeFile("mpzelvio.cfg", settings);
    TestProcess program(programBeside("mpzelvio.exe"), dir.path());
    const HWND main = waitForWindow(program, "Mp3 Zelvio V 0.93", kStartTimeout);
    const RECT outer = windowRect(main);
    EXPECT_EQ(describe(outer), describe({30, 20, 990, 743}));

    // The resize rule runs on the design size: the outer width and the client area, both divided by 1.5.
    const RECT client = clientArea(main);
    const int width = fromScreen(960);
    const int clientWidth = fromScreen(client.right);
    const int listHeight = (fromScreen(client.bottom) - 88) / 2;
    ASSERT_GT(listHeight, 100);
    expectPlace(main, "compilebutt", scaledRect(3, 4, 89, 25));
    expectPlace(main, "recfilelist", scaledRect(64, 48, width - 199, listHeight));
    expectPlace(main, "configbutt", scaledRect(clientWidth - 91, 4, 89, 25));
    // A label takes its text's height: a line of the form's 12-pixel font, scaled, is at least 18 high.
    EXPECT_GE(heightOf(findControl(main, "Label4")), at144(12));

    // The settings dialog's client area is its design's, scaled.
    click(findControl(main, "configbutt"));
    const HWND dialog = waitForForm(program, "Tmpconfig");
    const RECT dialogClient = clientArea(dialog);
    EXPECT_EQ(dialogClient.right, at144(385));
    EXPECT_EQ(dialogClient.bottom, at144(261));
    click(findControl(dialog, "Cancelbutt"));
    ASSERT_TRUE(waitUntilClosed(dialog));

    chooseMenuItem(main, {"&File", "E&xit"});
    EXPECT_EQ(program.waitForExit(), 0u);
    EXPECT_EQ(dir.readFile("mpzelvio.cfg"), settings);  // saved as the screen gave it
}

// The information window on its own: the read-out and the Output button that folds the memo.
void foldAndUnfold(HWND window, int folded, int unfolded) {
    const HWND output = findControl(window, "showoutputbutt");
    click(output);
    EXPECT_TRUE(pollUntil([&] { return clientHeight(window) == unfolded; }, kDefaultTimeout)) << clientHeight(window);
    const RECT memo = placeOf(findControl(window, "outputmemo"));
    EXPECT_EQ(memo.bottom, unfolded) << "the memo reaches the bottom edge";
    click(output);
    EXPECT_TRUE(pollUntil([&] { return clientHeight(window) == folded; }, kDefaultTimeout)) << clientHeight(window);
    EXPECT_EQ(placeOf(output).bottom, folded) << "the buttons reach the bottom edge";
}

TEST(ScreenMetricsTest, UnderAThickerTitleBarTheWindowsKeepTheirClientAreas) {
    const CaptionHeight caption(30);
    ASSERT_EQ(GetSystemMetrics(SM_CYCAPTION), 31) << "the system took the caption height";
    WorkDirectory dir;
    TestProcess tool(programBeside("information_window.exe"), dir.path());
    const HWND window = waitForForm(tool, "Tcompressinfo", kStartTimeout);
    const RECT client = clientArea(window);
    EXPECT_GE(heightOf(window) - client.bottom, 31) << "the program took the thicker caption";
    EXPECT_EQ(client.right, 241);
    EXPECT_EQ(client.bottom, 87);
    foldAndUnfold(window, 79, 176);
    click(findControl(window, "donebutt"));
    EXPECT_EQ(tool.waitForExit(), 0u);

    // A dialog of the main program, designed by its client area, keeps it too.
    dir.writeFile("mpzelvio.cfg", settingsWithMixer(dir.path(), ""));
    TestProcess program(programBeside("mpzelvio.exe"), dir.path());
    const HWND main = waitForWindow(program, "Mp3 Zelvio V 0.93", kStartTimeout);
    click(findControl(main, "configbutt"));
    const HWND dialog = waitForForm(program, "Tmpconfig");
    EXPECT_GE(heightOf(dialog) - clientArea(dialog).bottom, 31);
    EXPECT_EQ(clientArea(dialog).right, 385);
    EXPECT_EQ(clientArea(dialog).bottom, 261);
    click(findControl(dialog, "Cancelbutt"));
    ASSERT_TRUE(waitUntilClosed(dialog));
    chooseMenuItem(main, {"&File", "E&xit"});
    EXPECT_EQ(program.waitForExit(), 0u);
}

TEST(ScreenMetricsTest, AtOneHundredFortyFourDpiTheInformationWindowFoldsToItsScaledEdges) {
    const ScreenDpi dpi(144);
    WorkDirectory dir;
    TestProcess tool(programBeside("information_window.exe"), dir.path());
    const HWND window = waitForForm(tool, "Tcompressinfo", kStartTimeout);
    const RECT client = clientArea(window);
    EXPECT_EQ(client.right, at144(241));
    EXPECT_EQ(client.bottom, at144(87));
    foldAndUnfold(window, at144(79), at144(176));
    click(findControl(window, "donebutt"));
    EXPECT_EQ(tool.waitForExit(), 0u);
}

}  // namespace
}  // namespace zelvio::e2e
