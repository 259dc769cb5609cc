// Every window of both programs as a screen reader and a keyboard user meet
// them: each control that takes the focus has a name, Tab goes round the
// controls in their order and back to the first, the song list reads its
// songs as title, artist and length and opens its pop-up menu from the
// keyboard, and the information window's counter and the installer's gauge
// say what they show.

#include "tests/e2e/driver.h"
#include "tests/e2e/screen_reader.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/utf8.h"

#include "common/waveheader.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <map>

namespace zelvio::e2e {
namespace {

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string describe(HWND control) { return control == nullptr ? std::string("nothing") : windowLabel(control); }

void expectEveryStopNamed(HWND form) {
    const std::vector<HWND> stops = tabStops(form);
    EXPECT_FALSE(stops.empty()) << designName(form) << " has nothing that takes the focus";
    for (HWND stop : stops) {
        EXPECT_FALSE(spokenName(stop).empty()) << designName(form) << ": " << describe(stop) << " has no name";
    }
}

// Where the focus is once the program has done with what it was handling:
// a message sent is handled only after it.
HWND settledFocus(HWND form) {
    SendMessageTimeoutW(form, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(kDefaultTimeout.count()), nullptr);
    return focusedWindow(form);
}

// Puts the focus on the control as the dialog manager does for a label's
// letter. Where the control the focus leaves moves it on by a rule of its
// own, once more from there.
void focusOn(HWND form, HWND control) {
    for (int attempt = 0; attempt < 2 && settledFocus(form) != control; ++attempt) {
        PostMessageW(form, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        pollUntil([&] { return focusedWindow(form) == control; }, kDefaultTimeout);
    }
    ASSERT_EQ(settledFocus(form), control) << "the focus went to " << describe(focusedWindow(form));
}

// Tab from the first control round to it again, each press to the next in
// z-order. Where leaving a control moves the focus on by the window's own
// rule (`leaps`: design name to where the focus goes), the walk checks that
// and goes on from the control Tab went to.
void expectTabGoesRound(HWND form, const std::map<std::string, std::string>& leaps = {}) {
    const std::vector<HWND> stops = tabStops(form);
    ASSERT_FALSE(stops.empty());
    focusOn(form, stops.front());
    HWND at = stops.front();
    for (std::size_t step = 1; step <= stops.size(); ++step) {
        const HWND next = stops[step % stops.size()];
        const auto leap = leaps.find(lower(designName(at)));
        const HWND expected = leap != leaps.end() ? findControl(form, leap->second) : next;
        pressKey(at, VK_TAB);
        if (expected != at) pollUntil([&] { return focusedWindow(form) != at; }, kDefaultTimeout);
        const HWND landed = settledFocus(form);
        ASSERT_EQ(landed, expected) << designName(form) << ": Tab from " << describe(at) << " went to "
                                    << describe(landed) << ", not to " << describe(expected);
        if (expected != next) focusOn(form, next);
        at = next;
    }
    EXPECT_FALSE(pollUntil([&] { return focusedWindow(form) != stops.front(); }, Milliseconds(300)))
        << "the focus left " << describe(stops.front()) << " for " << describe(focusedWindow(form));
}

void expectReadable(HWND form, const std::map<std::string, std::string>& leaps = {}) {
    SCOPED_TRACE(designName(form));
    expectEveryStopNamed(form);
    expectTabGoesRound(form, leaps);
}

class MainProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.createDirectory("waves");
        dir.createDirectory("music");
        dir.writeFile("waves\\take1.wav", waveHeader(1, 8000, 8, 8000) + std::string(8000, '\x80'));
        dir.writeFile("music\\first.mp3", "x");
        dir.writeFile("music\\second.mp3", "x");
        dir.writeFile("music\\index.dat", joinLines({"first.mp3", "First Song", "The Band", "3:05"}));
    }
    // The encoder is never run unless a test runs its own.
    void start(const std::string& encoder = "C:\\windows\\notepad.exe", const std::string& flags = "-hq") {
        dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.pathOf("waves"), dir.pathOf("music"), encoder, "",
                                                 flags, "0", "", "", "", "0", "0", "640", "482"}));
        program = std::make_unique<TestProcess>(programBeside("mpzelvio.exe"), dir.path());
        mainWindow = waitForWindow(*program, "Mp3 Zelvio V 0.93");
    }
    HWND open(const char* button, const char* form) {
        click(findControl(mainWindow, button));
        return waitForForm(*program, form);
    }
    HWND songs() { return findControl(mainWindow, "mpsonglist"); }
    // Selects the songs and opens the dialog from the File menu.
    HWND openForSongs(const std::vector<int>& rows, const std::string& item, const char* form) {
        selectItems(songs(), rows);
        EXPECT_TRUE(pollUntil([&] { return selectedItems(songs()) == rows; }, kDefaultTimeout));
        chooseMenuItem(mainWindow, {"&File", item});
        return waitForForm(*program, form);
    }
    HWND openIndexData() {
        selectItems(findControl(mainWindow, "recfilelist"), {0});
        click(findControl(mainWindow, "compilebutt"));
        pressButton(waitForMessageBox(*program, "Confirm").window, "&Yes");
        return waitForForm(*program, "TIndexdata");
    }

    WorkDirectory dir;
    std::unique_ptr<TestProcess> program;
    HWND mainWindow = nullptr;
};

TEST_F(MainProgramTest, TheMainWindow) {
    start();
    expectReadable(mainWindow);
    // By its caption, by its label, and by the name it carries.
    EXPECT_EQ(spokenName(findControl(mainWindow, "compilebutt")), "Encode");
    EXPECT_EQ(spokenName(findControl(mainWindow, "recfilelist")), "Files To Encode");
    EXPECT_EQ(spokenName(findControl(mainWindow, "recdrive")), "Wave drive");
}

TEST_F(MainProgramTest, TheSettingsDialogTheVoiceRecorderAndTheAboutBox) {
    start();
    const HWND settings = open("configbutt", "Tmpconfig");
    expectReadable(settings);
    EXPECT_EQ(spokenName(findControl(settings, "encoderedit")), "Mp3 Encoder");
    EXPECT_EQ(spokenName(findControl(settings, "encodeselect")), "Select Encoder from file list");
    click(findControl(settings, "Cancelbutt"));
    ASSERT_TRUE(waitUntilClosed(settings));

    const HWND voice = open("Voicebutt", "Tmpvoicerecord");
    expectReadable(voice);
    click(findControl(voice, "okbutt"));
    ASSERT_TRUE(waitUntilClosed(voice));

    chooseMenuItem(mainWindow, {"&Help", "&About"});
    const HWND about = waitForForm(*program, "Tmpzelvioabout");
    expectReadable(about);
    click(findControl(about, "okbutt"));
}

TEST_F(MainProgramTest, TheIndexEditorAndTheRenameDialog) {
    start();
    ASSERT_TRUE(pollUntil([&] { return listCount(songs()) == 2; }, kDefaultTimeout));
    const HWND editor = openForSongs({0, 1}, "&Index Edit", "Tindexeditor");
    // Leaving the length field brings the next file up in the title field.
    expectReadable(editor, {{"lengthedit", "Songnameedit"}});
    click(findControl(editor, "cancelbutt"));
    ASSERT_TRUE(waitUntilClosed(editor));

    const HWND rename = openForSongs({0}, "&Rename Mp3 ", "Trenamedialog");
    expectReadable(rename);
    click(findControl(rename, "CancelButt"));
    ASSERT_TRUE(waitUntilClosed(rename));
}

TEST_F(MainProgramTest, TheIndexDataDialog) {
    start();
    const HWND indexData = openIndexData();
    expectReadable(indexData);
    click(findControl(indexData, "Okbutt"));
    ASSERT_TRUE(waitUntilClosed(indexData));
}

TEST_F(MainProgramTest, TheSongListReadsItsSongsAndOpensItsMenuFromTheKeyboard) {
    start();
    const HWND list = songs();
    ASSERT_TRUE(pollUntil([&] { return listCount(list) == 2; }, kDefaultTimeout));
    EXPECT_EQ(hear(list).name, "Songs");
    EXPECT_EQ(hear(list, 1).name, "First Song, The Band, 3:05");
    EXPECT_EQ(hear(list, 2).name, "second.mp3");

    // The menu key opens the list's pop-up menu under its current item.
    selectItems(list, {1});
    focusOn(mainWindow, list);
    pressKey(list, VK_APPS);
    const HWND menu = waitForTopLevel(
        *program, [](HWND window) { return windowClass(window) == "#32768"; }, "a pop-up menu", kDefaultTimeout);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&item), 2);
    const RECT shown = windowRect(menu);
    EXPECT_GE(shown.left, item.left);
    EXPECT_LT(shown.left, item.right);
    EXPECT_EQ(shown.top, item.bottom);
    PostMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(waitUntilClosed(menu));
}

// While the encoder runs the counter says what shows over it; after, the time.
TEST_F(MainProgramTest, TheCounterSaysWhatTheInformationWindowShows) {
    dir.copyBuilt("test_encoder.exe", "encoder.exe");
    start(dir.pathOf("encoder.exe"), "--sleep=3000");
    const HWND indexData = openIndexData();
    click(findControl(indexData, "compresnow"));
    ASSERT_TRUE(pollUntil([&] { return dir.exists("encoder.log"); }, kDefaultTimeout)) << "the encoder did not start";
    const HWND information = waitForForm(*program, "Tcompressinfo");
    const HWND counter = findControl(information, "Shape1");
    const Heard encoding = hear(counter);
    EXPECT_EQ(encoding.name, "PLEASE WAIT, Encode, Wav");
    EXPECT_EQ(encoding.role, ROLE_SYSTEM_STATICTEXT);
    EXPECT_TRUE(pollUntil([&] { return hear(counter).name == "Min 00 Sec 00, Wav"; }, Milliseconds(15000)))
        << hear(counter).name;
    ASSERT_TRUE(pollUntil([&] { return isEnabled(findControl(indexData, "Okbutt")); }, kDefaultTimeout));
    click(findControl(indexData, "Okbutt"));
}

TEST(InformationWindow, FoldedAndUnfoldedWithItsCounter) {
    WorkDirectory dir;
    TestProcess program(programBeside("information_window.exe"), dir.path());
    const HWND info = waitForForm(program, "Tcompressinfo");
    const Heard counter = hear(findControl(info, "Shape1"));
    EXPECT_EQ(counter.name, "Min 12 Sec 34, Playing, Wav");
    EXPECT_EQ(counter.role, ROLE_SYSTEM_STATICTEXT);
    expectReadable(info);
    click(findControl(info, "showoutputbutt"));
    ASSERT_TRUE(pollUntil([&] { return isVisible(findControl(info, "outputmemo")); }, kDefaultTimeout));
    expectReadable(info);
}

TEST(Installer, EveryPageAndTheGauge) {
    WorkDirectory dir;
    for (const char* file : {"install.exe", "mpzelv._xe", "command.com"}) {
        dir.copyBuilt(std::string("package\\") + file, file);
    }
    TestProcess program(dir.pathOf("install.exe"), dir.path());
    const HWND wizard = waitForForm(program, "TInstallForm");
    const HWND next = findControl(wizard, "nextbutt");
    for (const char* caption : {"DONE", "INSTALL!", "COOL!"}) {
        expectReadable(wizard);
        click(next);
        ASSERT_EQ(waitForText(next, caption), caption);
    }
    expectReadable(wizard);
    // The gauge showed the copies; hidden since, it still tells how far the last one got.
    const Heard gauge = hear(findControl(wizard, "Gauge1"));
    EXPECT_EQ(gauge.role, ROLE_SYSTEM_PROGRESSBAR);
    EXPECT_EQ(gauge.value, "100%");
}

}  // namespace
}  // namespace zelvio::e2e
