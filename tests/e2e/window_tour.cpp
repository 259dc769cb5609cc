// Opens every window of both programs in turn, for a look at each: prints
// "shot NAME" when a window is up and waits, so that tools/window-tour.sh
// can take a screenshot. Not a test: it checks nothing.
//   tools/window-tour.sh [--dpi N] OUT_DIR

#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/utf8.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace zelvio::e2e;

namespace {

void shot(const char* name) {
    // The pointer in the screen's corner, off every window: no hint shows.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    Sleep(800);  // painted
    std::printf("shot %s\n", name);
    std::fflush(stdout);
    Sleep(1500);  // taken
}

HWND openForm(const TestProcess& program, HWND button, const char* form) {
    click(button);
    return waitForForm(program, form);
}

// The main window's saved size: 640 by 482 design pixels on a screen of that DPI.
void mainProgram(const std::string& songs, int dpi) {
    WorkDirectory dir;
    dir.createDirectory("waves");
    dir.writeFile("waves\\a wave.wav", "RIFF");
    dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.pathOf("waves"), songs, "C:\\windows\\notepad.exe", "",
                                             "-hq", "0", "", "", "", "0", "0", std::to_string(MulDiv(640, dpi, 96)),
                                             std::to_string(MulDiv(482, dpi, 96))}));
    TestProcess program(programBeside("mpzelvio.exe"), dir.path());
    const HWND main = waitForWindow(program, "Mp3 Zelvio V 0.93");
    shot("main");

    const HWND voice = openForm(program, findControl(main, "Voicebutt"), "Tmpvoicerecord");
    shot("voice");
    click(findControl(voice, "okbutt"));

    const HWND settings = openForm(program, findControl(main, "configbutt"), "Tmpconfig");
    shot("settings");
    click(findControl(settings, "Cancelbutt"));

    chooseMenuItem(main, {"&Help", "&About"});
    const HWND about = waitForForm(program, "Tmpzelvioabout");
    shot("about");
    click(findControl(about, "okbutt"));

    const HWND songList = findControl(main, "mpsonglist");
    selectItems(songList, {0, 1, 2});
    chooseMenuItem(main, {"&File", "&Index Edit"});
    const HWND editor = waitForForm(program, "Tindexeditor");
    shot("indexeditor");
    click(findControl(editor, "cancelbutt"));
    waitUntilClosed(editor);

    selectItems(findControl(main, "mpsonglist"), {0});
    chooseMenuItem(main, {"&File", "&Rename Mp3 "});
    const HWND rename = waitForForm(program, "Trenamedialog");
    shot("rename");
    click(findControl(rename, "CancelButt"));
    waitUntilClosed(rename);

    selectItems(findControl(main, "recfilelist"), {0});
    click(findControl(main, "compilebutt"));
    pressButton(waitForMessageBox(program, "Confirm").window, "&Yes");
    const HWND indexData = waitForForm(program, "TIndexdata");
    shot("indexdata");
    click(findControl(indexData, "Okbutt"));
    waitUntilClosed(indexData);
}

void informationWindow(const char* arguments, const char* name) {
    WorkDirectory dir;
    TestProcess program(programBeside("information_window.exe"), dir.path(), arguments);
    const HWND info = waitForForm(program, "Tcompressinfo");
    shot(name);
    click(findControl(info, "showoutputbutt"));
    shot((std::string(name) + "-unfolded").c_str());
}

void installer() {
    WorkDirectory dir;
    for (const char* file : {"install.exe", "mpzelv._xe", "command.com"}) {
        CopyFileW(toWide(programBeside("package\\" + std::string(file))).c_str(), toWide(dir.pathOf(file)).c_str(), FALSE);
    }
    TestProcess program(dir.pathOf("install.exe"), dir.path());
    const HWND wizard = waitForForm(program, "TInstallForm");
    const HWND next = findControl(wizard, "nextbutt");
    for (const char* page : {"installer-1-welcome", "installer-2-locations", "installer-3-where"}) {
        shot(page);
        click(next);
    }
    shot("installer-4-done");
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc < 2) throw DriverError("usage: window_tour.exe SONG_DIRECTORY [DPI]");
        mainProgram(argv[1], argc > 2 ? std::atoi(argv[2]) : 96);
        informationWindow("", "information");
        informationWindow("--encoding", "information-wait");
        installer();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "window_tour: %s\n", error.what());
        return 1;
    }
}
