// install.exe as a user meets it, run from the unpacked package: the four
// pages, the copies on disk, the first settings file, the Start Menu entry,
// and the installed program starting from what was written.

#include "tests/e2e/driver.h"
#include "tests/e2e/mounts.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/utf8.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zelvio::e2e {
namespace {

std::string packageDirectory() {
    const std::string installer = programBeside("package\\install.exe");
    return installer.substr(0, installer.find_last_of('\\'));
}

std::string fileBytes(const std::string& path) {
    std::ifstream file(std::filesystem::path(toWide(path)), std::ios::binary);
    if (!file) throw DriverError("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string shortPath(const std::string& path) {
    wchar_t buffer[MAX_PATH] = {};
    if (GetShortPathNameW(toWide(path).c_str(), buffer, MAX_PATH) == 0) throw DriverError("no short name: " + path);
    return toUtf8(buffer);
}

// Opens `path` in a directory list as a user does: the drive's root first,
// then one double click on each directory down to it.
void openDirectory(HWND list, const std::string& path) {
    std::vector<std::string> names;
    for (std::size_t start = path.find('\\') + 1; start < path.size();) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    doubleClickItem(list, 0);
    for (std::size_t depth = 0; depth < names.size(); ++depth) {
        const std::string& name = names[depth];
        auto itemOf = [&] {
            const auto items = listItems(list);
            for (std::size_t i = depth + 1; i < items.size(); ++i) {
                if (lstrcmpiW(toWide(items[i]).c_str(), toWide(name).c_str()) == 0) return static_cast<int>(i);
            }
            return -1;
        };
        int item = -1;
        if (!pollUntil([&] { return (item = itemOf()) >= 0; }, kDefaultTimeout)) {
            throw DriverError("the directory list never showed " + name);
        }
        doubleClickItem(list, item);
        if (!pollUntil([&] { return selectedItems(list) == std::vector<int>{static_cast<int>(depth) + 1}; },
                       kDefaultTimeout)) {
            throw DriverError("the directory list did not open " + name);
        }
    }
}

// The Start Menu folder of the programs, where Program Manager's groups go.
std::string startMenuPrograms() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, path))) {
        throw DriverError("no Start Menu folder");
    }
    return toUtf8(path);
}

struct Shortcut {
    std::string program;
    std::string workingDirectory;
    std::string iconFile;  // empty: the program's own icon
};

// What a shell link starts, and where.
Shortcut readShortcut(const std::string& path) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t program[MAX_PATH] = {};
    wchar_t directory[MAX_PATH] = {};
    wchar_t icon[MAX_PATH] = {};
    int iconIndex = 0;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      reinterpret_cast<void**>(&link));
    if (SUCCEEDED(result)) result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(result)) result = file->Load(toWide(path).c_str(), STGM_READ);
    if (SUCCEEDED(result)) result = link->GetPath(program, MAX_PATH, nullptr, 0);
    if (SUCCEEDED(result)) result = link->GetWorkingDirectory(directory, MAX_PATH);
    if (SUCCEEDED(result)) result = link->GetIconLocation(icon, MAX_PATH, &iconIndex);
    if (file != nullptr) file->Release();
    if (link != nullptr) link->Release();
    CoUninitialize();
    if (FAILED(result)) throw DriverError("cannot read the shortcut " + path);
    return {toUtf8(program), toUtf8(directory), toUtf8(icon)};
}

class InstallerTest : public ::testing::Test {
protected:
    void start() {
        installer = std::make_unique<TestProcess>(programBeside("package\\install.exe"), packageDirectory());
        window = waitForWindow(*installer, "Mp3 Zelvio Setup");
    }
    HWND control(const char* name) { return findControl(window, name); }
    void next() { click(control("nextbutt")); }
    // Presses the row's browse button, answers its hint when it has one, and
    // chooses `program` in the open-file dialog.
    void browse(const char* button, const char* hintStart, const std::string& program) {
        click(control(button));
        if (hintStart != nullptr) {
            const MessageBoxView hint = waitForMessageBox(*installer, "Information");
            EXPECT_EQ(hint.text.rfind(hintStart, 0), 0u) << hint.text;
            pressButton(hint.window, "OK");
        }
        chooseFile(waitForOpenDialog(*installer), program);
    }
    // On the where-to-install page: drive C:, then down to `directory`.
    void chooseInstallDirectory(const std::string& directory) {
        const HWND drives = control("drive");
        const auto driveItems = comboItems(drives);
        const auto c = std::find_if(driveItems.begin(), driveItems.end(),
                                    [](const std::string& d) { return d.starts_with("c:"); });
        if (c == driveItems.end()) throw DriverError("no drive C: in the drive box");
        chooseComboItem(drives, static_cast<int>(c - driveItems.begin()));
        openDirectory(control("directory"), directory);
    }

    WorkDirectory dir;
    std::unique_ptr<TestProcess> installer;
    HWND window = nullptr;
};

TEST_F(InstallerTest, InstallsFromThePackageIntoALongNamedDirectoryAndMakesTheStartMenuEntry) {
    const std::string target = "Long Install Folder";
    dir.createDirectory(target);
    for (const char* program : {"winplay3.exe", "l3enc.exe", "sndvol32.exe", "ripper.exe"}) {
        dir.writeFile(program, "MZ");
    }
    start();
    EXPECT_EQ(designName(window), "TInstallForm");
    EXPECT_TRUE(waitForFocus(control("nextbutt")));

    next();
    EXPECT_EQ(waitForText(control("nextbutt"), "DONE"), "DONE");
    EXPECT_FALSE(isVisible(control("Closebutt")));
    browse("BitBtn1", "If you do not know how to find the player", dir.pathOf("winplay3.exe"));
    browse("BitBtn3", "If you do not know how to find the encoder", dir.pathOf("l3enc.exe"));
    browse("BitBtn5", "If you do not know what your mixer is called", dir.pathOf("sndvol32.exe"));
    browse("BitBtn7", nullptr, dir.pathOf("ripper.exe"));
    EXPECT_EQ(waitForText(control("ripperedit"), dir.pathOf("ripper.exe")), dir.pathOf("ripper.exe"));

    next();
    EXPECT_EQ(waitForText(control("nextbutt"), "INSTALL!"), "INSTALL!");
    chooseInstallDirectory(dir.pathOf(target));

    next();
    EXPECT_EQ(waitForText(control("nextbutt"), "COOL!"), "COOL!");
    const std::string installed = shortPath(dir.pathOf(target)) + "\\MPZELVIO";
    const std::string package = packageDirectory();
    EXPECT_EQ(fileBytes(installed + "\\mpzelvio.exe"), fileBytes(package + "\\mpzelv._xe"));
    EXPECT_EQ(fileBytes(installed + "\\command.com"), fileBytes(package + "\\command.com"));
    const std::string source = shortPath(package);
    EXPECT_EQ(splitLines(fileBytes(installed + "\\mpzelvio.cfg")),
              (std::vector<std::string>{"ver 1.5", source, source, dir.pathOf("l3enc.exe"), dir.pathOf("winplay3.exe"),
                                        "-hq", "0", dir.pathOf("ripper.exe"), "", dir.pathOf("sndvol32.exe"), "0",
                                        "0", "640", "480"}));

    next();
    EXPECT_EQ(installer->waitForExit(), 0u);
    const std::string shortcutPath = startMenuPrograms() + "\\Mp3 Zelvio\\Mp3 Zelvio.lnk";
    ASSERT_NE(GetFileAttributesW(toWide(shortcutPath).c_str()), INVALID_FILE_ATTRIBUTES) << "no Start Menu entry";
    const Shortcut shortcut = readShortcut(shortcutPath);
    EXPECT_EQ(lstrcmpiW(toWide(shortcut.program).c_str(), toWide(installed + "\\mpzelvio.exe").c_str()), 0)
        << shortcut.program;
    EXPECT_EQ(lstrcmpiW(toWide(shortcut.workingDirectory).c_str(), toWide(installed).c_str()), 0)
        << shortcut.workingDirectory;
    // The entry shows the program's icon: the program's own, which it carries.
    EXPECT_TRUE(shortcut.iconFile.empty() ||
                lstrcmpiW(toWide(shortcut.iconFile).c_str(), toWide(shortcut.program).c_str()) == 0)
        << shortcut.iconFile;
    EXPECT_EQ(ExtractIconExW(toWide(shortcut.program).c_str(), -1, nullptr, nullptr, 0), 1u);

    // Started as the shortcut starts it, the installed program reads its
    // settings: no first-start greeting, and the bounds the installer wrote.
    TestProcess program(shortcut.program, shortcut.workingDirectory);
    const HWND mainWindow = waitForWindow(program, "Mp3 Zelvio V 0.93");
    EXPECT_FALSE(messageBoxShows(program, "Information"));
    const RECT bounds = windowRect(mainWindow);
    EXPECT_EQ(bounds.right - bounds.left, 640);
    EXPECT_EQ(bounds.bottom - bounds.top, 480);
    pressCloseBox(mainWindow);
    EXPECT_EQ(program.waitForExit(), 0u);
}

TEST_F(InstallerTest, TheCloseBoxEndsTheInstallerOnAnyPage) {
    start();
    pressCloseBox(window);
    EXPECT_EQ(installer->waitForExit(), 0u);

    start();
    next();
    next();
    EXPECT_EQ(waitForText(control("nextbutt"), "INSTALL!"), "INSTALL!");
    pressCloseBox(window);
    EXPECT_EQ(installer->waitForExit(), 0u);
}

// The package on a disk nobody may write to (a read-only tmpfs under Wine,
// where everyone is an administrator, as a CD is): installing where it stands
// is refused with a box that says how to go on, and the page stays as it was,
// so that another directory chosen in its lists takes the installation.
TEST_F(InstallerTest, ARefusedDirectoryLeavesThePageForAnotherChoice) {
    TmpfsMount disc(dir.pathOf("Disc"), "8m");
    if (!disc.refused().empty()) GTEST_SKIP() << "no read-only directory to test in: " << disc.refused();
    for (const char* file : {"install.exe", "mpzelv._xe", "command.com", "README.txt"}) {
        dir.copyBuilt(std::string("package\\") + file, std::string("Disc\\") + file);
    }
    disc.makeReadOnly();
    dir.createDirectory("Mine");
    installer = std::make_unique<TestProcess>(dir.pathOf("Disc\\install.exe"), dir.pathOf("Disc"));
    window = waitForWindow(*installer, "Mp3 Zelvio Setup");
    next();
    next();
    EXPECT_EQ(waitForText(control("nextbutt"), "INSTALL!"), "INSTALL!");
    next();
    const MessageBoxView error = waitForMessageBox(*installer, "install");
    EXPECT_EQ(error.text, systemMessage(ERROR_ACCESS_DENIED) + " Installing in " + dir.pathOf("Disc") +
                              " needs administrator rights: start install.exe from a command prompt opened with "
                              "\"Run as administrator\", or choose a directory of your own.");
    pressButton(error.window, "OK");
    EXPECT_EQ(waitForText(control("nextbutt"), "INSTALL!"), "INSTALL!");
    EXPECT_TRUE(isVisible(control("directory")));
    EXPECT_FALSE(isVisible(control("Gauge1")));

    chooseInstallDirectory(dir.pathOf("Mine"));
    next();
    EXPECT_EQ(waitForText(control("nextbutt"), "COOL!"), "COOL!");
    EXPECT_EQ(fileBytes(dir.pathOf("Mine\\MPZELVIO\\mpzelvio.exe")), fileBytes(dir.pathOf("Disc\\mpzelv._xe")));
    pressCloseBox(window);
    EXPECT_EQ(installer->waitForExit(), 0u);
}

}  // namespace
}  // namespace zelvio::e2e
