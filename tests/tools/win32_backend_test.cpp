// The Win32 backend under Wine: files on the real disk, programs started
// with WinExec, and real windows driven the way outside tools drive them
// (window properties, posted clicks, WM_SETTEXT from another thread, menu
// commands, message boxes and the open dialog found by class and caption)
// and read as screen readers read them.

#include "common/errors.h"
#include "common/filesystem.h"
#include "platform/application.h"
#include "platform/controls/gauge.h"
#include "platform/controls/list_box.h"
#include "platform/controls/memo.h"
#include "platform/form.h"
#include "platform/launcher.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_text.h"
#include "tests/e2e/accessible_object.h"
#include "tests/e2e/trash.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/work_directory.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace zelvio {
namespace {

using namespace std::chrono_literals;

// ---------------------------------------------------------------- files

std::string systemText(DWORD code) {
    char buffer[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                   sizeof buffer, nullptr);
    std::string text = buffer;
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == '.' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

class Win32FileSystemTest : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        dir_ = std::string(temp) + "w32fs" + std::to_string(GetCurrentProcessId()) + "_" +
               testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(dir_.c_str(), nullptr);
    }
    void TearDown() override {
        SetCurrentDirectoryA("C:\\");
        removeTree(dir_);
    }
    static void removeTree(const std::string& dir) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    removeTree(dir + "\\" + name);
                } else {
                    DeleteFileA((dir + "\\" + name).c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(dir.c_str());
    }
    std::string path(const std::string& name) const { return dir_ + "\\" + name; }
    void put(const std::string& name, const std::string& bytes) const {
        FILE* file = fopen(path(name).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }
    std::string bytes(const std::string& name) const {
        std::string content;
        if (FILE* file = fopen(path(name).c_str(), "rb")) {
            char chunk[4096];
            for (std::size_t got; (got = fread(chunk, 1, sizeof chunk, file)) > 0;) content.append(chunk, got);
            fclose(file);
        }
        return content;
    }
    std::vector<std::string> readLines(const std::string& name) {
        std::vector<std::string> lines;
        auto reader = fs_->openText(path(name));
        for (std::string line; reader->readLine(line);) lines.push_back(line);
        return lines;
    }

    Win32Platform platform_;
    FileSystem* fs_ = &platform_.platform().fileSystem;
    std::string dir_;
};

TEST_F(Win32FileSystemTest, LinesEndInCrLfOrLfAndTheLastNeedsNoEnd) {
    put("mixed.txt", "one\r\ntwo\nthree");
    put("empty.txt", "");
    put("ended.txt", "a\r\n\r\n");
    put("cr.txt", "a\rb\n");
    EXPECT_EQ(readLines("mixed.txt"), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_TRUE(readLines("empty.txt").empty());
    EXPECT_EQ(readLines("ended.txt"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(readLines("cr.txt"), (std::vector<std::string>{"a\rb"}));
}

TEST_F(Win32FileSystemTest, WrittenLinesEndInCrLfAndSurviveManyBufferFills) {
    std::vector<std::string> lines;
    for (int i = 0; i < 30000; ++i) lines.push_back("line " + std::to_string(i));
    auto writer = fs_->createText(path("big.txt"));
    for (const auto& line : lines) writer->writeLine(line);
    writer->close();
    EXPECT_EQ(bytes("big.txt").substr(0, 16), "line 0\r\nline 1\r\n");
    EXPECT_EQ(readLines("big.txt"), lines);
    EXPECT_EQ(fs_->fileSize(path("big.txt")), static_cast<std::int64_t>(bytes("big.txt").size()));
}

TEST_F(Win32FileSystemTest, CreatingReplacesAndAnUnclosedWriterStillLetsGo) {
    put("old.txt", "old content that is longer\r\n");
    {
        auto writer = fs_->createText(path("old.txt"));
        writer->writeLine("new");
    }  // never closed
    EXPECT_EQ(bytes("old.txt"), "new\r\n");
    EXPECT_TRUE(fs_->deleteFile(path("old.txt")));  // the handle was closed
    EXPECT_THROW(fs_->createText(path("no such dir\\x.txt")), InOutError);
}

TEST_F(Win32FileSystemTest, FailuresCarryTheSystemTextWithoutItsFullStop) {
    try {
        fs_->openText(path("missing.txt"));
        FAIL() << "opening a missing file succeeded";
    } catch (const InOutError& error) {
        EXPECT_EQ(std::string(error.what()), systemText(ERROR_FILE_NOT_FOUND));
        EXPECT_NE(std::string(error.what()).back(), '.');
    }
    try {
        fs_->changeDirectory(path("missing dir\\below"));
        FAIL() << "changing to a missing directory succeeded";
    } catch (const InOutError& error) {
        EXPECT_EQ(std::string(error.what()), systemText(ERROR_PATH_NOT_FOUND));
    }
}

TEST_F(Win32FileSystemTest, CurrentDirectoryFollowsChanges) {
    fs_->changeDirectory(dir_);
    EXPECT_EQ(lstrcmpiA(fs_->currentDirectory().c_str(), dir_.c_str()), 0);
    fs_->changeDirectory("C:\\");
    EXPECT_EQ(fs_->currentDirectory(), "C:\\");
}

TEST_F(Win32FileSystemTest, FilesAndDirectoriesAreTellApart) {
    put("file.txt", "12345");
    put("empty.txt", "");
    fs_->createDirectory(path("sub"));
    try {
        fs_->createDirectory(path("sub"));
        ADD_FAILURE() << "a directory was made twice";
    } catch (const InOutError& error) {
        EXPECT_EQ(error.what(), systemErrorText(ERROR_ALREADY_EXISTS));
    }
    EXPECT_TRUE(fs_->fileExists(path("file.txt")));
    EXPECT_FALSE(fs_->fileExists(path("sub")));
    EXPECT_TRUE(fs_->directoryExists(path("sub")));
    EXPECT_FALSE(fs_->directoryExists(path("file.txt")));
    EXPECT_EQ(fs_->fileSize(path("file.txt")), 5);
    EXPECT_EQ(fs_->fileSize(path("empty.txt")), 0);
    EXPECT_EQ(fs_->fileSize(path("missing.txt")), -1);
    EXPECT_EQ(fs_->fileSize(path("missing dir\\x.txt")), -1);
    EXPECT_EQ(fs_->fileSize(path("sub")), -1);
}

TEST_F(Win32FileSystemTest, RenameNeverOverwritesButReplaceDoes) {
    put("a.txt", "A");
    put("b.txt", "B");
    EXPECT_FALSE(fs_->renameFile(path("a.txt"), path("b.txt")));
    EXPECT_EQ(bytes("b.txt"), "B");
    fs_->replaceFile(path("a.txt"), path("b.txt"));
    EXPECT_EQ(bytes("b.txt"), "A");
    EXPECT_FALSE(fs_->fileExists(path("a.txt")));
    EXPECT_TRUE(fs_->renameFile(path("b.txt"), path("c.txt")));
    EXPECT_THROW(fs_->replaceFile(path("a.txt"), path("c.txt")), InOutError);
    EXPECT_EQ(bytes("c.txt"), "A");
}

TEST_F(Win32FileSystemTest, ShortNamesAreTheSystemsOwn) {
    put("A Long File Name.text", "x");
    put("SHORT.TXT", "x");
    char shortPath[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameA(path("A Long File Name.text").c_str(), shortPath, MAX_PATH), 0u);
    const std::string expected = std::string(shortPath).substr(std::string(shortPath).rfind('\\') + 1);
    EXPECT_EQ(fs_->shortName(path("A Long File Name.text")), expected);
    EXPECT_EQ(fs_->shortName(path("SHORT.TXT")), std::nullopt);
    EXPECT_EQ(fs_->shortName(path("missing name.text")), std::nullopt);
    EXPECT_EQ(fs_->shortName(path("A*")), std::nullopt);  // a pattern names no file
}

TEST_F(Win32FileSystemTest, StartDetachedPassesTheWholeCommandLineAndTheDirectory) {
    ProgramLauncher& launcher = platform_.platform().launcher;
    EXPECT_LT(launcher.startDetached(path("no such program.exe"), SW_HIDE, ""), 32u);
    const std::string words(300, 'w');  // longer than any old command-line limit
    const std::string out = path("echo.txt");
    ASSERT_GE(launcher.startDetached("cmd.exe /c echo " + words + ">\"" + out + "\"", SW_HIDE, ""), 32u);
    for (int i = 0; i < 200 && bytes("echo.txt").find('\n') == std::string::npos; ++i) Sleep(50);
    EXPECT_EQ(bytes("echo.txt"), words + "\r\n");
    // The program starts in the directory it is given, whatever this one's is.
    ASSERT_GE(launcher.startDetached("cmd.exe /c cd >where.txt", SW_HIDE, dir_), 32u);
    for (int i = 0; i < 200 && bytes("where.txt").find('\n') == std::string::npos; ++i) Sleep(50);
    EXPECT_EQ(bytes("where.txt"), dir_ + "\r\n");
}

// How many dialogs of this process showed while `work` ran; each is answered
// No at once, so that a question cannot stop the test.
int dialogsWhile(const std::function<void()>& work) {
    std::atomic<bool> done = false;
    std::atomic<int> seen = 0;
    std::thread watcher([&] {
        while (!done) {
            EnumWindows(
                [](HWND window, LPARAM data) -> BOOL {
                    DWORD process = 0;
                    GetWindowThreadProcessId(window, &process);
                    char className[16] = {};
                    GetClassNameA(window, className, sizeof className);
                    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
                        std::string(className) == "#32770") {
                        ++*reinterpret_cast<std::atomic<int>*>(data);
                        PostMessageA(window, WM_COMMAND, IDNO, 0);
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&seen));
            Sleep(50);
        }
    });
    work();
    done = true;
    watcher.join();
    return seen;
}

TEST_F(Win32FileSystemTest, RecyclingTakesLongPathsAndPassesOverWhatCannotGoWithoutAQuestion) {
    if (e2e::trashDirectory().empty()) GTEST_SKIP() << "ZELVIO_TRASH_DIR is not set: run this through tools/run-e2e.sh";
    std::string deep = dir_;
    while (deep.size() < dir_.size() + 300) {
        deep += "\\A folder deep down";
        fs_->createDirectory(deep);
    }
    const std::string song = deep + "\\A Long Song Name.mp3";
    fs_->writeBytes(song, "deep");
    put("plain.mp3", "plain");
    put("held.mp3", "held");
    put("read-only.mp3", "r");
    SetFileAttributesA(path("read-only.mp3").c_str(), FILE_ATTRIBUTE_READONLY);
    fs_->createDirectory(path("folder.mp3"));
    HANDLE held = CreateFileA(path("held.mp3").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    std::vector<RecycleResult> results;
    const int dialogs = dialogsWhile([&] {
        results = fs_->recycleFiles({path("missing.mp3"), path("held.mp3"), song, path("folder.mp3"),
                                     path("read-only.mp3"), path("plain.mp3")});
    });
    CloseHandle(held);
    SetFileAttributesA(path("read-only.mp3").c_str(), FILE_ATTRIBUTE_NORMAL);
    using enum RecycleResult;
    EXPECT_EQ(results, (std::vector<RecycleResult>{Kept, Kept, Recycled, Kept, Kept, Recycled}));
    EXPECT_EQ(dialogs, 0);
    EXPECT_FALSE(fs_->fileExists(song));
    EXPECT_TRUE(fs_->fileExists(path("held.mp3")));
    const auto trashed = e2e::trashedFrom(song);
    ASSERT_TRUE(trashed) << "no .trashinfo names " << song;
    EXPECT_EQ(e2e::readFileAt(*trashed), "deep");
    EXPECT_TRUE(e2e::trashedFrom(path("plain.mp3")));
    // Deeper than the ANSI calls of TearDown reach.
    for (std::string level = deep; level.size() > dir_.size(); level.erase(level.rfind('\\'))) {
        RemoveDirectoryW(e2e::toWide(level).c_str());
    }
}

// ---------------------------------------------------------------- windows

// Global atoms ignore letter case: a name comes back spelt as whoever added
// it first spelt it (another program may have, and been killed before
// giving it back). Design names are compared without regard to case.
std::string designName(HWND window) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(window, "Name")));
    char name[256] = {};
    if (atom != 0) GlobalGetAtomNameA(atom, name, sizeof name);
    return name;
}

HWND childNamed(HWND parent, const std::string& name) {
    struct Search {
        std::string name;
        HWND found = nullptr;
    } search{name};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (lstrcmpiA(designName(child).c_str(), s->name.c_str()) != 0) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string textOf(HWND window) {
    char text[1024] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// A visible dialog box (#32770) of this process with the given title, or null.
HWND dialogTitled(const std::string& title) {
    struct Search {
        std::string title;
        HWND found = nullptr;
    } search{title};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            char name[32] = {};
            GetClassNameA(window, name, sizeof name);
            if (process != GetCurrentProcessId() || std::string(name) != "#32770" || !IsWindowVisible(window) ||
                textOf(window) != s->title) {
                return TRUE;
            }
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::string> buttonsOf(HWND dialog) {
    std::vector<std::string> captions;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, "Button") == 0 && IsWindowVisible(child)) captions.push_back(textOf(child));
    }
    return captions;
}

HWND buttonCaptioned(HWND dialog, const std::string& caption) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (textOf(child) == caption) return child;
    }
    return nullptr;
}

// Runs `work` on a second thread, as another program would, while this
// thread keeps its windows answering.
void whileResponding(Application& app, const std::function<void()>& work) {
    std::atomic<bool> done = false;
    std::thread helper([&] {
        work();
        done = true;
    });
    while (!done) {
        app.processMessages();
        Sleep(10);
    }
    helper.join();
}

HWND waitForDialog(const std::string& title) {
    for (int i = 0; i < 500; ++i) {
        if (HWND box = dialogTitled(title)) return box;
        Sleep(20);
    }
    return nullptr;
}

// A window of the test's own that notes when the marker Win32ToolkitTest::pump()
// posts arrives.
bool markerArrived = false;

LRESULT CALLBACK markerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        markerArrived = true;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createMarkerWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = markerWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TBackendTestMarker";
    RegisterClassW(&windowClass);  // fails, harmlessly, once registered
    return CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
}

FormDesign testWindowDesign() {
    return {.name = "TBackendTest", .caption = "Backend test", .bounds = {40, 40, 0, 0}, .client = {400, 300},
            .keyPreview = true};
}

std::vector<ControlDesign> testLayout() {
    using K = ControlKind;
    return {
        {.name = "group1", .kind = K::GroupBox, .bounds = {10, 10, 200, 100}, .caption = "Group"},
        {.name = "edit1", .kind = K::Edit, .bounds = {8, 20, 100, 21}, .parent = "group1"},
        {.name = "butt1", .kind = K::Button, .bounds = {10, 120, 80, 25}, .caption = "Press"},
        {.name = "offbutt", .kind = K::Button, .bounds = {100, 120, 80, 25}, .caption = "Off",
         .flags = flags::Disabled},
        {.name = "edit2", .kind = K::Edit, .bounds = {190, 120, 100, 21}},
        {.name = "memo1", .kind = K::Memo, .bounds = {10, 160, 200, 80}, .flags = flags::VScroll},
        {.name = "label1", .kind = K::Label, .bounds = {220, 10, 0, 0}, .caption = "Fits"},
        {.name = "list1", .kind = K::ListBox, .bounds = {220, 160, 150, 80}, .flags = flags::Columns},
        {.name = "File1", .kind = K::Menu, .caption = "&File"},
        {.name = "Help1", .kind = K::MenuItem, .caption = "&Help", .parent = "File1", .shortcut = ShortcutKey::F1},
        {.name = "Off1", .kind = K::MenuItem, .caption = "&Off", .flags = flags::Disabled, .parent = "File1"},
        {.name = "Exit1", .kind = K::MenuItem, .caption = "E&xit", .parent = "File1"},
    };
}

class Win32ToolkitTest : public testing::Test {
protected:
    void SetUp() override {
        app_.createForm(form_);
        for (const char* name : {"butt1", "offbutt", "Help1", "Off1", "Exit1"}) {
            form_[name].onClick = [this, name] { events_.push_back(std::string("click ") + name); };
        }
        for (const char* name : {"edit1", "edit2", "memo1"}) {
            form_[name].onExit = [this, name] { events_.push_back(std::string("exit ") + name); };
        }
        form_.onKeyPress = [this](char& key) {
            keys_ += key;
            if (key == 'x') key = 0;
        };
        form_.onClose = [this] { events_.push_back("close"); };
        form_.show();
        window_ = FindWindowA("TBackendTest", nullptr);
        ASSERT_NE(window_, nullptr);
        pump();
    }
    ~Win32ToolkitTest() override { DestroyWindow(marker_); }
    // Handles everything posted so far, and what handling it posted in turn:
    // a marker posted after it all arrives once all of it is handled.
    void pump() {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (std::chrono::steady_clock::now() < deadline) {
            markerArrived = false;
            PostMessageW(marker_, WM_APP, 0, 0);
            while (!markerArrived && std::chrono::steady_clock::now() < deadline) {
                app_.processMessages();
                if (!markerArrived) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            }
            MSG next;
            if (markerArrived && !PeekMessageW(&next, nullptr, 0, 0, PM_NOREMOVE)) return;
        }
        ADD_FAILURE() << "the messages posted were not all handled within 5 s";
    }
    HWND control(const std::string& name) const { return childNamed(window_, name); }
    // The command id of a menu item, found by captions as outside tools find it.
    UINT menuItem(const std::string& menu, const std::string& item) const {
        HMENU bar = GetMenu(window_);
        for (int i = 0; i < GetMenuItemCount(bar); ++i) {
            char text[128] = {};
            GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
            if (menu != text) continue;
            HMENU popup = GetSubMenu(bar, i);
            for (int j = 0; j < GetMenuItemCount(popup); ++j) {
                GetMenuStringA(popup, j, text, sizeof text, MF_BYPOSITION);
                if (std::string(text).substr(0, std::string(text).find('\t')) == item) return GetMenuItemID(popup, j);
            }
        }
        return 0;
    }

    Win32Platform platform_;
    Application app_{platform_.platform()};
    Form form_{app_, testWindowDesign(), testLayout()};
    Form second_{app_, {.name = "TSecondTest", .caption = "Second", .bounds = {60, 60, 200, 150}}, {}};
    HWND window_ = nullptr;
    HWND marker_ = createMarkerWindow();
    std::vector<std::string> events_;
    std::string keys_;
};

TEST_F(Win32ToolkitTest, WindowsCarryTheirDesignNamesAndTheApplicationOwnsThem) {
    EXPECT_EQ(lstrcmpiA(designName(window_).c_str(), "TBackendTest"), 0) << designName(window_);
    for (const char* name : {"group1", "edit1", "butt1", "edit2", "memo1", "label1"}) {
        HWND child = control(name);
        ASSERT_NE(child, nullptr) << name;
        EXPECT_GE(GetDlgCtrlID(child), 100) << name;
    }
    EXPECT_EQ(textOf(control("butt1")), "Press");
    HWND owner = GetWindow(window_, GW_OWNER);
    char className[32] = {};
    GetClassNameA(owner, className, sizeof className);
    EXPECT_STREQ(className, "TApplication");
    EXPECT_TRUE(IsWindowVisible(owner));
    app_.setTitle("Backend Title");
    EXPECT_EQ(textOf(owner), "Backend Title");
}

TEST_F(Win32ToolkitTest, ClientAreaIsTheDesignedOneAndMovesAreReported) {
    RECT client;
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 300);
    EXPECT_EQ(form_.clientSize(), (Size{400, 300}));
    SetWindowPos(window_, nullptr, 70, 80, 500, 420, SWP_NOZORDER);  // as a user's drag would
    pump();
    EXPECT_EQ(form_.bounds(), (Rect{70, 80, 500, 420}));
}

// What the system sends when the window moves to a monitor of 144 DPI.
TEST_F(Win32ToolkitTest, AtAnotherDpiTheDesignIsScaledAroundTheSameClientArea) {
    const auto fontHeight = [](HWND control) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        return font.lfHeight;
    };
    const LONG designFont = fontHeight(control("butt1"));
    const auto itemHeight = [this] { return static_cast<int>(SendMessageW(control("list1"), LB_GETITEMHEIGHT, 0, 0)); };
    const int designItem = itemHeight();
    RECT suggested{30, 40, 30 + 700, 40 + 600};
    SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    pump();

    // Where the system suggested, sized as a frame at 144 DPI around 600 by
    // 450. (The system here still draws the frame at its own DPI, so the
    // client area itself is not measured.)
    RECT expected{0, 0, 600, 450};
    AdjustWindowRectExForDpi(&expected, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), TRUE,
                             static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)), 144);
    RECT outer;
    GetWindowRect(window_, &outer);
    EXPECT_EQ(outer.left, 30);
    EXPECT_EQ(outer.top, 40);
    EXPECT_EQ(outer.right - outer.left, expected.right - expected.left);
    EXPECT_EQ(outer.bottom - outer.top, expected.bottom - expected.top);
    EXPECT_EQ(form_.clientSize(), (Size{400, 300}));  // the portable side keeps its design pixels

    RECT edit;
    GetWindowRect(control("edit1"), &edit);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&edit), 2);
    EXPECT_EQ(edit.left, 27);  // (10 + 8) and (10 + 20) in its group, half again
    EXPECT_EQ(edit.top, 45);
    EXPECT_EQ(edit.right - edit.left, 150);
    EXPECT_EQ(fontHeight(control("butt1")), MulDiv(designFont, 144, 96));
    EXPECT_GE(itemHeight(), MulDiv(designItem, 144, 96) - 1);  // the rows of a list it draws itself, measured again

    form_["butt1"].setBounds({20, 130, 80, 25});  // later changes come at the new DPI too
    RECT button;
    GetWindowRect(control("butt1"), &button);
    EXPECT_EQ(button.right - button.left, 120);
}

TEST_F(Win32ToolkitTest, GroupMembersArePlacedShownAndEnabledWithTheGroup) {
    HWND edit = control("edit1");
    RECT rect;
    GetWindowRect(edit, &rect);
    POINT corner{rect.left, rect.top};
    ScreenToClient(window_, &corner);
    EXPECT_EQ(corner.x, 18);
    EXPECT_EQ(corner.y, 30);
    form_["group1"].setVisible(false);
    EXPECT_FALSE(IsWindowVisible(edit));
    form_["group1"].setVisible(true);
    EXPECT_TRUE(IsWindowVisible(edit));
    form_["group1"].setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(edit));
    form_["edit1"].setEnabled(true);  // already enabled itself: the group still rules
    form_["group1"].setEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(edit));
}

TEST_F(Win32ToolkitTest, TextSetFromOutsideReachesThePortableControls) {
    whileResponding(app_, [&] {
        SendMessageA(control("edit2"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed outside"));
        SendMessageA(control("memo1"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("first\r\nsecond\r\n"));
    });
    EXPECT_EQ(form_["edit2"].text(), "typed outside");
    EXPECT_EQ(form_.control<Memo>("memo1").lines(), (std::vector<std::string>{"first", "second"}));

    form_["edit2"].setText("set inside");
    form_.control<Memo>("memo1").setLines({"a", "", "b", ""});
    EXPECT_EQ(textOf(control("edit2")), "set inside");
    EXPECT_EQ(textOf(control("memo1")), "a\r\n\r\nb\r\n");
    // Not read back from the window, where the last empty line would not count.
    EXPECT_EQ(form_.control<Memo>("memo1").lines(), (std::vector<std::string>{"a", "", "b", ""}));
}

TEST_F(Win32ToolkitTest, PostedClickTakesTheFocusFirst) {
    form_["edit2"].setFocus();
    pump();
    EXPECT_EQ(GetFocus(), control("edit2"));
    events_.clear();  // leaving edit1, which had the focus first
    PostMessageA(control("butt1"), BM_CLICK, 0, 0);
    PostMessageA(control("offbutt"), BM_CLICK, 0, 0);
    pump();
    EXPECT_EQ(events_, (std::vector<std::string>{"exit edit2", "click butt1"}));
    EXPECT_EQ(form_.focusedControl(), &form_["butt1"]);
}

TEST_F(Win32ToolkitTest, MenuCommandsAndShortcutKeysClickItems) {
    const UINT exit = menuItem("&File", "E&xit");
    const UINT off = menuItem("&File", "&Off");
    ASSERT_GE(exit, 100u);
    PostMessageA(window_, WM_COMMAND, exit, 0);
    PostMessageA(window_, WM_COMMAND, off, 0);
    PostMessageA(window_, WM_COMMAND, IDOK, 0);
    PostMessageA(control("edit1"), WM_KEYDOWN, VK_F1, 0);
    pump();
    EXPECT_EQ(events_, (std::vector<std::string>{"click Exit1", "click Help1"}));

    form_["Exit1"].setChecked(true);
    form_["Help1"].setText("&Manual");
    EXPECT_EQ(GetMenuState(GetMenu(window_), menuItem("&File", "E&xit"), MF_BYCOMMAND) & MF_CHECKED,
              static_cast<UINT>(MF_CHECKED));
    char caption[64] = {};
    GetMenuStringA(GetMenu(window_), menuItem("&File", "&Manual"), caption, sizeof caption, MF_BYCOMMAND);
    EXPECT_STREQ(caption, "&Manual\tF1");
    form_["Off1"].setVisible(false);
    EXPECT_EQ(menuItem("&File", "&Off"), 0u);
}

TEST_F(Win32ToolkitTest, KeyPreviewSeesEachKeyOnceAndMaySwallowIt) {
    form_["edit2"].setFocus();
    pump();
    events_.clear();
    HWND edit = control("edit2");
    PostMessageA(edit, WM_CHAR, 'a', 0);
    PostMessageA(edit, WM_CHAR, 'x', 0);
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    pump();
    EXPECT_EQ(keys_, "ax\r");
    EXPECT_EQ(form_["edit2"].text(), "a");

    keys_.clear();
    form_["memo1"].setFocus();
    pump();
    PostMessageA(control("memo1"), WM_KEYDOWN, VK_RETURN, 0);
    pump();
    EXPECT_EQ(keys_, "\r");
    EXPECT_TRUE(form_.visible());  // Enter and Escape close nothing
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_EQ(events_, (std::vector<std::string>{"exit edit2"}));

    // On a button, Enter presses it and is no key for the preview.
    keys_.clear();
    form_["butt1"].setFocus();
    pump();
    PostMessageA(control("butt1"), WM_KEYDOWN, VK_RETURN, 0);
    pump();
    EXPECT_EQ(keys_, "");
    EXPECT_EQ(events_.back(), "click butt1");
}

TEST_F(Win32ToolkitTest, TabFollowsCreationOrderPastDisabledControls) {
    form_["edit1"].setFocus();
    pump();
    PostMessageA(control("edit1"), WM_KEYDOWN, VK_TAB, 0);
    pump();
    EXPECT_EQ(form_.focusedControl(), &form_["butt1"]);
    PostMessageA(control("butt1"), WM_KEYDOWN, VK_TAB, 0);
    pump();
    EXPECT_EQ(form_.focusedControl(), &form_["edit2"]);
    EXPECT_EQ(GetFocus(), control("edit2"));
}

// A form whose labels each come just before the field they name, between
// frames and a shape that back them.
std::vector<ControlDesign> stackedLayout() {
    using K = ControlKind;
    return {
        {.name = "stackOuter", .kind = K::GroupBox, .bounds = {5, 5, 300, 150}, .caption = "Outer"},
        {.name = "stackNameLabel",
         .kind = K::Label,
         .bounds = {10, 20, 0, 0},
         .caption = "&Name given to the song",
         .parent = "stackOuter"},
        {.name = "stackNameEdit", .kind = K::Edit, .bounds = {80, 20, 100, 21}, .parent = "stackOuter"},
        {.name = "stackInner",
         .kind = K::GroupBox,
         .bounds = {10, 50, 280, 90},
         .caption = "Inner",
         .parent = "stackOuter"},
        {.name = "stackBacking", .kind = K::Shape, .bounds = {5, 20, 60, 20}, .parent = "stackInner"},
        {.name = "stackListLabel",
         .kind = K::Label,
         .bounds = {10, 20, 0, 0},
         .caption = "&Songs",
         .parent = "stackInner"},
        {.name = "stackSongs", .kind = K::ListBox, .bounds = {80, 20, 100, 60}, .parent = "stackInner"},
        {.name = "stackLine", .kind = K::Bevel, .bounds = {0, 160, 300, 9}, .bevel = BevelKind::TopLine},
        {.name = "stackOk", .kind = K::Button, .bounds = {10, 170, 80, 25}, .caption = "OK"},
    };
}

// The design names of a window's children, from the top of the stacking order down.
std::vector<std::string> stackingOrder(HWND window) {
    std::vector<std::string> names;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        names.push_back(designName(child));
    }
    return names;
}

TEST_F(Win32ToolkitTest, ControlsStackInLayoutOrderWithFramesBehindAndHaveWindowsWhenShown) {
    Form stacked{app_,
                 {.name = "TStackTest", .caption = "Stack", .bounds = {60, 60, 0, 0}, .client = {320, 200}},
                 stackedLayout()};
    app_.createForm(stacked);
    stacked.show();
    // Nothing handled since the window was shown: every control has its window already.
    HWND window = FindWindowA("TStackTest", nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(stackingOrder(window),
              (std::vector<std::string>{"stackNameLabel", "stackNameEdit", "stackListLabel", "stackSongs", "stackOk",
                                        "stackLine", "stackBacking", "stackInner", "stackOuter"}));
    // A label too long for its room stops where the field beside it begins.
    RECT label, field;
    GetWindowRect(childNamed(window, "stackNameLabel"), &label);
    GetWindowRect(childNamed(window, "stackNameEdit"), &field);
    EXPECT_EQ(label.right, field.left);
    // A label's letter takes the focus to the field after it, as Windows'
    // naming of a field by the label before it reads the same order.
    stacked["stackOk"].setFocus();
    pump();
    PostMessageW(childNamed(window, "stackOk"), WM_SYSCHAR, 's', 1 << 29);
    pump();
    EXPECT_EQ(stacked.focusedControl(), &stacked["stackSongs"]) << stacked.focusedControl()->name();
}

// The hints' window is made when the mouse first comes over the form.
TEST_F(Win32ToolkitTest, HintsAreMadeWhenTheMouseFirstComesOverTheForm) {
    Form hinted{app_,
                {.name = "THintTest", .caption = "Hints", .bounds = {60, 60, 0, 0}, .client = {200, 100}},
                {{.name = "hintedButton", .kind = ControlKind::Button, .bounds = {10, 10, 80, 25}, .caption = "Go",
                  .hint = "Goes"},
                 {.name = "hintedLabel", .kind = ControlKind::Label, .bounds = {10, 50, 0, 0}, .caption = "Says",
                  .hint = "Says it"}}};
    app_.createForm(hinted);
    hinted.show();
    HWND window = FindWindowA("THintTest", nullptr);
    ASSERT_NE(window, nullptr);
    const auto hintWindow = [window] {
        HWND found = nullptr;
        for (HWND popup = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); popup != nullptr && !found;
             popup = FindWindowExW(nullptr, popup, TOOLTIPS_CLASSW, nullptr)) {
            if (GetWindow(popup, GW_OWNER) == window) found = popup;
        }
        return found;
    };
    EXPECT_EQ(hintWindow(), nullptr);
    SendMessageW(childNamed(window, "hintedButton"), WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    HWND hints = hintWindow();
    ASSERT_NE(hints, nullptr);
    EXPECT_EQ(SendMessageW(hints, TTM_GETTOOLCOUNT, 0, 0), 2);
}

TEST_F(Win32ToolkitTest, LabelsWithoutASizeFitTheirText) {
    RECT before;
    GetWindowRect(control("label1"), &before);
    EXPECT_GT(before.right - before.left, 0);
    EXPECT_GT(before.bottom - before.top, 0);
    form_["label1"].setText("A much longer caption than before");
    RECT after;
    GetWindowRect(control("label1"), &after);
    EXPECT_GT(after.right - after.left, 3 * (before.right - before.left));
}

TEST_F(Win32ToolkitTest, CloseBoxAsksTheFormWhichHidesASecondWindow) {
    app_.createForm(second_);
    bool closed = false;
    second_.onClose = [&] { closed = true; };
    second_.show();
    HWND second = FindWindowA("TSecondTest", nullptr);
    PostMessageA(second, WM_CLOSE, 0, 0);
    pump();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(second_.visible());
    EXPECT_FALSE(IsWindowVisible(second));
    EXPECT_TRUE(IsWindow(second));
}

TEST_F(Win32ToolkitTest, ModalFormDisablesTheOthersUntilItCloses) {
    app_.createForm(second_);
    bool mainEnabledMeanwhile = true;
    second_.onClose = [&] { mainEnabledMeanwhile = IsWindowEnabled(window_) != 0; };
    // Handled while the modal form is up: the click must not reach the main window's button.
    PostMessageA(control("butt1"), BM_CLICK, 0, 0);
    PostMessageA(window_, WM_COMMAND, menuItem("&File", "E&xit"), 0);
    PostMessageA(FindWindowA("TSecondTest", nullptr), WM_CLOSE, 0, 0);
    app_.showModal(second_);
    EXPECT_FALSE(mainEnabledMeanwhile);
    EXPECT_EQ(events_, std::vector<std::string>{});
    EXPECT_TRUE(IsWindowEnabled(window_));
    EXPECT_FALSE(second_.visible());
}

// The application's terminated flag says the program is ending; a quit left
// in the queue would wake every later wait at once and spin a play loop.
TEST_F(Win32ToolkitTest, AQuitSeenWhileWaitingIsNotPutBack) {
    PostQuitMessage(3);
    app_.waitUntil([] { return false; }, {.atMost = std::chrono::milliseconds(10), .throughEnding = true});
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

struct BoxCase {
    MessageButtons buttons;
    std::vector<std::string> captions;
    std::string press;
    MessageResult expected;
};

TEST_F(Win32ToolkitTest, MessageBoxesShowTheProgramsCaptionsAndAnswer) {
    const BoxCase cases[] = {
        {MessageButtons::Ok, {"OK"}, "OK", MessageResult::Ok},
        {MessageButtons::YesNo, {"&Yes", "&No"}, "&No", MessageResult::No},
        {MessageButtons::YesNo, {"&Yes", "&No"}, "&Yes", MessageResult::Yes},
        {MessageButtons::YesCancel, {"&Yes", "Cancel"}, "&Yes", MessageResult::Yes},
        {MessageButtons::YesCancel, {"&Yes", "Cancel"}, "Cancel", MessageResult::Cancel},
    };
    for (const BoxCase& c : cases) {
        std::vector<std::string> seen;
        std::string text;
        std::thread user([&] {
            HWND box = waitForDialog("Confirm");
            if (box == nullptr) return;
            seen = buttonsOf(box);
            text = textOf(GetDlgItem(box, 0xFFFF));
            PostMessageA(buttonCaptioned(box, c.press), BM_CLICK, 0, 0);
        });
        const MessageResult result = app_.messageBox(MessageKind::Confirm, "Go on?", c.buttons);
        user.join();
        EXPECT_EQ(seen, c.captions) << "pressing " << c.press;
        EXPECT_EQ(text, "Go on?");
        EXPECT_EQ(result, c.expected) << "pressing " << c.press;
    }
}

TEST_F(Win32ToolkitTest, OpenDialogGivesTheChosenPathAndLeavesTheDirectoryAlone) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string chosen = std::string(temp) + "w32chosen.txt";
    CloseHandle(CreateFileA(chosen.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    app_.fileSystem().changeDirectory("C:\\");

    auto answer = [](const std::string& path) {
        return [path] {
            HWND dialog = waitForDialog("Open");
            if (dialog == nullptr) return;
            if (path.empty()) {
                PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
                return;
            }
            HWND name = GetDlgItem(dialog, 0x47C);  // the file name combo box
            if (name == nullptr) name = GetDlgItem(dialog, 0x480);
            SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
            PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        };
    };
    std::optional<std::string> result;
    std::thread user(answer(chosen));
    result = app_.openFileDialog({"Text|*.txt|All|*.*", std::string(temp) + "start.txt"});
    user.join();
    EXPECT_EQ(result, chosen);
    EXPECT_EQ(app_.fileSystem().currentDirectory(), "C:\\");

    std::thread canceller(answer(""));
    result = app_.openFileDialog({"Text|*.txt", ""});
    canceller.join();
    EXPECT_EQ(result, std::nullopt);
    DeleteFileA(chosen.c_str());
}

// The focus goes on to the next control in tab order when the control that
// has it can no longer take it, never to nothing or to the bare form.
TEST_F(Win32ToolkitTest, TheFocusMovesOnFromAControlThatIsDisabledOrHidden) {
    form_["butt1"].setFocus();
    pump();
    ASSERT_EQ(GetFocus(), control("butt1"));
    form_["butt1"].setEnabled(false);         // as a Play button does while it plays
    EXPECT_EQ(GetFocus(), control("edit2"));  // past the disabled "offbutt"
    pump();
    EXPECT_EQ(form_.focusedControl(), &form_["edit2"]);

    form_["edit2"].setVisible(false);
    EXPECT_EQ(GetFocus(), control("memo1"));

    // A group box takes its members with it.
    form_["butt1"].setEnabled(true);
    form_["edit1"].setFocus();
    pump();
    form_["group1"].setEnabled(false);
    EXPECT_EQ(GetFocus(), control("butt1"));
    pump();
    EXPECT_EQ(form_.focusedControl(), &form_["butt1"]);
}

// ---------------------------------------------------------------- screen readers

using e2e::Accessible;
using e2e::accName;
using e2e::accRole;
using e2e::accValue;
using e2e::systemObject;

// The window's own object for its client area, as AccessibleObjectFromWindow
// gets it; null when the window leaves the answer to the system.
Accessible ownObject(HWND window) {
    const LRESULT answer = SendMessageW(window, WM_GETOBJECT, 0, static_cast<DWORD>(OBJID_CLIENT));
    if (answer <= 0) return nullptr;
    IAccessible* object = nullptr;
    ObjectFromLresult(answer, e2e::accessibleIid, 0, reinterpret_cast<void**>(&object));
    return Accessible(object);
}

LONG childCount(IAccessible* object) {
    LONG count = -1;
    object->get_accChildCount(&count);
    return count;
}

// The screen readers' events of this thread's windows, as a hook sees them.
struct SeenEvent {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
    bool operator==(const SeenEvent&) const = default;
};
std::vector<SeenEvent> seenEvents;

void CALLBACK eventSeen(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (event == EVENT_OBJECT_NAMECHANGE || event == EVENT_OBJECT_VALUECHANGE) {
        seenEvents.push_back({event, window, object, child});
    }
}

std::vector<ControlDesign> spokenLayout() {
    using K = ControlKind;
    return {
        {.name = "spokenLabel", .kind = K::Label, .bounds = {10, 10, 0, 0}, .caption = "&Title"},
        {.name = "spokenTitle", .kind = K::Edit, .bounds = {80, 10, 100, 21}},
        {.name = "spokenSongs",
         .kind = K::ListBox,
         .bounds = {10, 40, 200, 80},
         .accessibleName = "Songs",
         .flags = flags::Columns | flags::MultiSelect},
        {.name = "spokenFiles",
         .kind = K::ListBox,
         .bounds = {220, 40, 100, 80},
         .accessibleName = "Files",
         .popup = "spokenMenu"},
        {.name = "spokenFind", .kind = K::GlyphButton, .bounds = {10, 130, 22, 22}, .hint = "Find your player"},
        {.name = "spokenPlay", .kind = K::Button, .bounds = {40, 130, 75, 25}, .caption = "&Play"},
        {.name = "spokenGauge", .kind = K::Gauge, .bounds = {10, 160, 200, 20}},
        {.name = "spokenCounter", .kind = K::Shape, .bounds = {220, 160, 100, 20}},
        {.name = "spokenMenu", .kind = K::PopupMenu},
        {.name = "spokenOpen", .kind = K::MenuItem, .caption = "&Open", .parent = "spokenMenu"},
    };
}

FormDesign spokenDesign() {
    return {.name = "TSpokenTest", .caption = "Spoken", .bounds = {60, 60, 0, 0}, .client = {340, 200}};
}

class Win32AccessibilityTest : public Win32ToolkitTest {
protected:
    void SetUp() override {
        Win32ToolkitTest::SetUp();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        app_.createForm(spoken_);
        spoken_.control<ListBox>("spokenSongs")
            .setItems({"Title" + std::string(27, ' ') + "Artist" + std::string(13, ' ') + "3:00", "bare.mp3"},
                      {{32, 51}, {}});
        spoken_.control<ListBox>("spokenFiles").setItems({"one.wav", "two.wav"});
        spoken_.show();
        spokenWindow_ = FindWindowA("TSpokenTest", nullptr);
        ASSERT_NE(spokenWindow_, nullptr);
        hook_ = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, eventSeen,
                                GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
        seenEvents.clear();
    }
    void TearDown() override {
        if (hook_ != nullptr) UnhookWinEvent(hook_);
        CoUninitialize();
    }
    HWND spoken(const std::string& name) const { return childNamed(spokenWindow_, name); }

    Form spoken_{app_, spokenDesign(), spokenLayout()};
    HWND spokenWindow_ = nullptr;
    HWINEVENTHOOK hook_ = nullptr;
};

TEST_F(Win32AccessibilityTest, ANamedListSaysItsNameAndKeepsTheSystemsRoleAndItems) {
    const HWND songs = spoken("spokenSongs");
    const Accessible own = ownObject(songs);
    ASSERT_TRUE(own);
    const Accessible system = systemObject(songs);
    ASSERT_TRUE(system);
    EXPECT_EQ(accName(own.get()), "Songs");
    EXPECT_EQ(accRole(own.get()), accRole(system.get()));
    EXPECT_EQ(childCount(own.get()), childCount(system.get()));
    // A song is read by its columns, a bare name as it stands.
    EXPECT_EQ(accName(own.get(), 1), "Title, Artist, 3:00");
    EXPECT_EQ(accName(own.get(), 2), "bare.mp3");
    EXPECT_EQ(accName(own.get(), 3), accName(system.get(), 3));  // no such item: the system's answer
    // The list, drawn by the program, keeps its texts for the system's object to read.
    wchar_t item[64] = {};
    SendMessageW(songs, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, L"bare.mp3");

    // A list without columns is named and leaves its items to the system.
    const HWND files = spoken("spokenFiles");
    const Accessible plain = ownObject(files);
    ASSERT_TRUE(plain);
    EXPECT_EQ(accName(plain.get()), "Files");
    EXPECT_EQ(accName(plain.get(), 1), accName(systemObject(files).get(), 1));
}

TEST_F(Win32AccessibilityTest, OnlyWhatTheSystemCannotNameAnswersForItself) {
    EXPECT_FALSE(ownObject(spoken("spokenTitle")));  // Windows names it by its label
    EXPECT_FALSE(ownObject(spoken("spokenPlay")));   // and a button by its caption
    const Accessible find = ownObject(spoken("spokenFind"));
    ASSERT_TRUE(find);
    EXPECT_EQ(accName(find.get()), "Find your player");
    // Only the client area: the window's frame is the system's.
    EXPECT_EQ(SendMessageW(spoken("spokenSongs"), WM_GETOBJECT, 0, static_cast<DWORD>(OBJID_WINDOW)), 0);
}

TEST_F(Win32AccessibilityTest, TheGaugeIsAProgressBarAndTheCounterItsWordsAndBothTellOfChanges) {
    const HWND gauge = spoken("spokenGauge");
    Accessible bar = ownObject(gauge);
    ASSERT_TRUE(bar);
    EXPECT_EQ(accRole(bar.get()), ROLE_SYSTEM_PROGRESSBAR);
    EXPECT_EQ(accValue(bar.get()), "0%");
    auto& portable = spoken_.control<Gauge>("spokenGauge");
    portable.setMaximum(200);
    portable.setPosition(90);
    EXPECT_EQ(accValue(bar.get()), "45%");

    const HWND counter = spoken("spokenCounter");
    EXPECT_FALSE(ownObject(counter));  // a shape with nothing to say is the system's
    spoken_["spokenCounter"].setText("Min 12 Sec 34, Playing");
    const Accessible words = ownObject(counter);
    ASSERT_TRUE(words);
    EXPECT_EQ(accName(words.get()), "Min 12 Sec 34, Playing");
    EXPECT_EQ(accRole(words.get()), ROLE_SYSTEM_STATICTEXT);

    pump();
    EXPECT_EQ(seenEvents, (std::vector<SeenEvent>{{EVENT_OBJECT_VALUECHANGE, gauge, OBJID_CLIENT, CHILDID_SELF},
                                                  {EVENT_OBJECT_NAMECHANGE, counter, OBJID_CLIENT, CHILDID_SELF}}));
}

TEST_F(Win32AccessibilityTest, TheCurrentSongsNewTextIsTold) {
    auto& songs = spoken_.control<ListBox>("spokenSongs");
    songs.choose({1});
    pump();
    seenEvents.clear();
    songs.reviseItems({{0, "Other", {}}, {1, "Found" + std::string(27, ' ') + "Band", {32}}});
    pump();
    const HWND list = spoken("spokenSongs");
    EXPECT_EQ(seenEvents, (std::vector<SeenEvent>{{EVENT_OBJECT_NAMECHANGE, list, OBJID_CLIENT, 2}}));
    const Accessible own = ownObject(list);
    ASSERT_TRUE(own);
    EXPECT_EQ(accName(own.get(), 2), "Found, Band");
}

// The keyboard opens a list's pop-up menu under its current item: the
// context-menu key, and Shift+F10 through the system's default handling.
TEST_F(Win32AccessibilityTest, TheKeyboardOpensAListsMenuUnderItsCurrentItem) {
    const HWND files = spoken("spokenFiles");
    spoken_.control<ListBox>("spokenFiles").choose({1});
    pump();
    RECT item{};
    SendMessageW(files, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    MapWindowPoints(files, nullptr, reinterpret_cast<POINT*>(&item), 2);
    const auto menuShownBy = [&](const std::function<void()>& keys) {
        std::optional<RECT> shown;
        std::thread user([&] {
            for (int i = 0; i < 250 && !shown; ++i) {
                Sleep(20);
                HWND menu = FindWindowW(L"#32768", nullptr);
                if (menu == nullptr || !IsWindowVisible(menu)) continue;
                RECT place{};
                GetWindowRect(menu, &place);
                shown = place;
                PostMessageW(files, WM_KEYDOWN, VK_ESCAPE, 0);  // the menu reads the thread's keys
            }
        });
        keys();  // returns once the menu is gone
        user.join();
        return shown;
    };

    const auto byMenuKey = menuShownBy([&] {
        SendMessageW(files, WM_KEYDOWN, VK_APPS, 0);
        SendMessageW(files, WM_KEYUP, VK_APPS, 0);
    });
    ASSERT_TRUE(byMenuKey) << "the menu key opened no menu";
    EXPECT_EQ(byMenuKey->top, item.bottom);
    EXPECT_GE(byMenuKey->left, item.left);
    EXPECT_LT(byMenuKey->left, item.right);

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    const auto byShiftF10 = menuShownBy([&] { SendMessageW(files, WM_SYSKEYDOWN, VK_F10, 1); });
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    ASSERT_TRUE(byShiftF10) << "Shift+F10 opened no menu";
    EXPECT_EQ(byShiftF10->top, item.bottom);
}

// A screen reader may hold an object after the program has let its window go.
TEST_F(Win32AccessibilityTest, AnObjectHeldPastItsWindowAnswersAsTheSystemDoes) {
    Accessible list;
    Accessible gauge;
    HWND window = nullptr;
    {
        Win32Platform platform;
        Application app(platform.platform());
        Form form{app, spokenDesign(), spokenLayout()};
        app.createForm(form);
        for (HWND top = FindWindowExA(nullptr, nullptr, "TSpokenTest", nullptr); top != nullptr;
             top = FindWindowExA(nullptr, top, "TSpokenTest", nullptr)) {
            if (top != spokenWindow_) window = top;
        }
        ASSERT_NE(window, nullptr);
        list = ownObject(childNamed(window, "spokenSongs"));
        gauge = ownObject(childNamed(window, "spokenGauge"));
        ASSERT_TRUE(list);
        ASSERT_TRUE(gauge);
        EXPECT_EQ(accName(list.get()), "Songs");
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_NE(accName(list.get()), "Songs");
    EXPECT_EQ(accName(list.get(), 1), "");
    EXPECT_EQ(accValue(gauge.get()), "");
    list.reset();
    gauge.reset();
}

}  // namespace
}  // namespace zelvio
