// The driver checked on driver_target.exe, a raw Win32 program whose every
// action shows in its label "statuslabel".

#include "tests/e2e/driver.h"

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

// The text of the DriverError `action` throws; fails the test when none.
template <class Action>
std::string driverFailure(Action action) {
    try {
        action();
    } catch (const DriverError& error) {
        return error.what();
    }
    ADD_FAILURE() << "the driver reported no failure";
    return {};
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class DriverTest : public ::testing::Test {
protected:
    WorkDirectory dir;
    TestProcess target{programBeside("driver_target.exe"), dir.path(), "7"};
    HWND form = waitForWindow(target, "Driver Target Form");
    HWND status = findControl(form, "statuslabel");
};

TEST_F(DriverTest, StartsTheProgramInItsWorkDirectoryAndReadsItsExitCode) {
    EXPECT_EQ(dir.readFile("started.txt"), dir.path());
    chooseMenuItem(form, {"&File", "E&xit"});
    EXPECT_EQ(target.waitForExit(), 7u);
}

TEST_F(DriverTest, EndsTheProgramByKillOrCloseBox) {
    const std::string failure = driverFailure([&] { target.waitForExit(Milliseconds(100)); });
    EXPECT_TRUE(contains(failure, "driver_target.exe (pid ")) << failure;
    EXPECT_TRUE(contains(failure, "still runs")) << failure;

    pressCloseBox(form);
    EXPECT_EQ(target.waitForExit(), 0u);

    WorkDirectory otherDir;
    TestProcess other(programBeside("driver_target.exe"), otherDir.path());
    const HWND otherForm = waitForWindow(other, "Driver Target Form");
    other.kill();
    EXPECT_FALSE(other.running());
    EXPECT_TRUE(waitUntilClosed(otherForm));
}

TEST_F(DriverTest, KillEndsWhatTheProgramStartedToo) {
    chooseMenuItem(form, {"&File", "&Start another"});
    ASSERT_TRUE(pollUntil([&] { return readText(status).starts_with("started "); }, kDefaultTimeout));
    const auto otherId = static_cast<DWORD>(std::stoul(readText(status).substr(8)));
    const HANDLE other = OpenProcess(SYNCHRONIZE, FALSE, otherId);
    ASSERT_NE(other, nullptr);

    target.kill();
    EXPECT_EQ(WaitForSingleObject(other, 5000), WAIT_OBJECT_0);
    CloseHandle(other);
}

TEST_F(DriverTest, FindsTheFormTheApplicationWindowAndControls) {
    const HWND application = waitForTopLevel(
        target, [](HWND window) { return windowClass(window) == "TApplication"; }, "application window",
        kDefaultTimeout);
    EXPECT_EQ(windowCaption(application), "Driver Target");
    EXPECT_EQ(GetWindow(form, GW_OWNER), application);
    EXPECT_EQ(waitForForm(target, "TDriverForm"), form);
    EXPECT_EQ(designName(findControl(form, "greetbutt")), "greetbutt");

    EXPECT_EQ(findChild(form, {.caption = "Ask"}), findControl(form, "askbutt"));
    EXPECT_EQ(findChild(form, {.id = 100}), findControl(form, "greetbutt"));
    EXPECT_EQ(findChildren(form, {.className = "Edit"}).size(), 3u);
    const std::string ambiguous = driverFailure([&] { findChild(form, {.className = "Button"}); });
    EXPECT_TRUE(contains(ambiguous, "more than one")) << ambiguous;
}

TEST_F(DriverTest, FailuresListWhatWasSeen) {
    const std::string window = driverFailure([&] { waitForWindow(target, "No Such Window", Milliseconds(200)); });
    EXPECT_TRUE(contains(window, "\"No Such Window\"")) << window;
    EXPECT_TRUE(contains(window, "\"TApplication\" caption \"Driver Target\"")) << window;
    EXPECT_TRUE(contains(window, "caption \"Driver Target Form\" name \"TDriverForm\"")) << window;

    const std::string control = driverFailure([&] { findControl(form, "nosuchbutt"); });
    EXPECT_TRUE(contains(control, "\"nosuchbutt\"")) << control;
    EXPECT_TRUE(contains(control, "name \"greetbutt\"")) << control;
    EXPECT_TRUE(contains(control, "name \"lockedbutt\" id 105 visible disabled")) << control;
}

TEST_F(DriverTest, ClicksReachTheProgramButOnlyWhereAUserCouldClick) {
    const HWND greet = findControl(form, "greetbutt");
    click(greet);
    click(greet);
    EXPECT_EQ(waitForText(status, "greeted 2"), "greeted 2");

    const std::string locked = driverFailure([&] { click(findControl(form, "lockedbutt")); });
    EXPECT_TRUE(contains(locked, "disabled")) << locked;
    const std::string hidden = driverFailure([&] { click(findControl(form, "hiddenbutt")); });
    EXPECT_TRUE(contains(hidden, "hidden")) << hidden;
}

TEST_F(DriverTest, TypedTextReachesTheProgram) {
    const HWND name = findControl(form, "nameedit");
    const HWND echo = findControl(form, "echolabel");
    typeText(name, "Zelvio 0.93");
    EXPECT_EQ(waitForText(echo, "name: Zelvio 0.93"), "name: Zelvio 0.93");
    EXPECT_EQ(readText(name), "Zelvio 0.93");

    typeText(findControl(form, "notesmemo"), "one\r\ntwo");
    EXPECT_EQ(waitForText(echo, "notes: one|two"), "notes: one|two");

    const std::string readOnly = driverFailure([&] { typeText(findControl(form, "readonlyedit"), "x"); });
    EXPECT_TRUE(contains(readOnly, "read-only")) << readOnly;
}

TEST_F(DriverTest, ReadsStatesAndRectangles) {
    EXPECT_TRUE(isEnabled(findControl(form, "greetbutt")));
    EXPECT_FALSE(isEnabled(findControl(form, "lockedbutt")));
    EXPECT_TRUE(isVisible(findControl(form, "lockedbutt")));
    EXPECT_FALSE(isVisible(findControl(form, "hiddenbutt")));

    const RECT client = clientRect(form);
    const RECT outer = windowRect(form);
    EXPECT_EQ(client.right - client.left, 400);
    EXPECT_EQ(client.bottom - client.top, 300);
    EXPECT_GT(client.top, outer.top);  // below caption and menu bar
    EXPECT_GE(client.left, outer.left);
    EXPECT_LE(client.right, outer.right);
    EXPECT_LE(client.bottom, outer.bottom);
}

TEST_F(DriverTest, ChoosesMenuItemsByCaptionPath) {
    chooseMenuItem(form, {"&File", "&Greet"});
    EXPECT_EQ(waitForText(status, "greeted 1"), "greeted 1");
    chooseMenuItem(form, {"&File", "&Recent", "first.txt"});
    EXPECT_EQ(waitForText(status, "recent: first.txt"), "recent: first.txt");

    const MenuEntry about = findMenuItem(form, {"&Help", "&About"});
    EXPECT_EQ(about.caption, "&About\tF1");
    EXPECT_FALSE(about.grayed);
    EXPECT_TRUE(findMenuItem(form, {"&File", "&Disabled"}).grayed);
}

TEST_F(DriverTest, RefusesMenuItemsAUserCouldNotChoose) {
    const std::string grayed = driverFailure([&] { chooseMenuItem(form, {"&File", "&Disabled"}); });
    EXPECT_TRUE(contains(grayed, "grayed")) << grayed;
    const std::string dropDown = driverFailure([&] { chooseMenuItem(form, {"&File", "&Recent"}); });
    EXPECT_TRUE(contains(dropDown, "drop-down")) << dropDown;
    const std::string missing = driverFailure([&] { chooseMenuItem(form, {"&File", "Exit"}); });
    EXPECT_TRUE(contains(missing, "\"&File\" > \"Exit\"")) << missing;
    EXPECT_TRUE(contains(missing, "\"E&xit\"")) << missing;
}

TEST_F(DriverTest, ReadsAndAnswersMessageBoxes) {
    click(findControl(form, "askbutt"));
    MessageBoxView box = waitForMessageBox(target, "Confirm");
    EXPECT_EQ(box.text, "Save the notes?");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Yes", "&No"}));
    const std::string blocked = driverFailure([&] { click(findControl(form, "greetbutt")); });
    EXPECT_TRUE(contains(blocked, "modal")) << blocked;
    const std::string missing = driverFailure([&] { pressButton(box.window, "OK"); });
    EXPECT_TRUE(contains(missing, "\"&Yes\" \"&No\"")) << missing;

    pressButton(box.window, "&No");
    EXPECT_EQ(waitForText(status, "answer: No"), "answer: No");
    EXPECT_TRUE(waitUntilClosed(box.window));
    EXPECT_FALSE(findMessageBox(target, "Confirm"));

    click(findControl(form, "askbutt"));
    pressButton(waitForMessageBox(target, "Confirm").window, "&Yes");
    EXPECT_EQ(waitForText(status, "answer: Yes"), "answer: Yes");
}

TEST_F(DriverTest, ChoosesOrCancelsInTheOpenFileDialog) {
    dir.writeFile("song list.txt", "one\r\n");
    click(findControl(form, "openbutt"));
    chooseFile(waitForOpenDialog(target), dir.pathOf("song list.txt"));
    const std::string opened = "opened: " + dir.pathOf("song list.txt");
    EXPECT_EQ(waitForText(status, opened), opened);

    click(findControl(form, "openbutt"));
    cancelOpenDialog(waitForOpenDialog(target));
    EXPECT_EQ(waitForText(status, "open cancelled"), "open cancelled");
}

TEST(MenuListingTest, CarriesNestingStatesAndTabbedCaptionsAcross) {
    HMENU recent = CreatePopupMenu();
    AppendMenuA(recent, MF_STRING | MF_CHECKED, 12, "a b.txt");
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING | MF_GRAYED, 11, "&Help\tF1");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_STRING, 13, "&Go");

    const auto entries = parseMenuListing(writeMenuListing(bar));
    DestroyMenu(bar);
    ASSERT_EQ(entries.size(), 6u);
    auto summary = [](const MenuEntry& e) {
        return std::to_string(e.depth) + " " + e.caption + (e.popup ? " P" : "") + (e.grayed ? " G" : "") +
               (e.checked ? " C" : "");
    };
    EXPECT_EQ(summary(entries[0]), "0 &File P");
    EXPECT_EQ(summary(entries[1]), "1 &Recent P");
    EXPECT_EQ(summary(entries[2]), "2 a b.txt C");
    EXPECT_TRUE(entries[3].separator);
    EXPECT_EQ(entries[3].depth, 1);
    EXPECT_EQ(summary(entries[4]), "1 &Help\tF1 G");
    EXPECT_EQ(summary(entries[5]), "0 &Go");
    EXPECT_EQ(entries[2].id, 12u);
    EXPECT_EQ(entries[4].id, 11u);
}

TEST(WorkDirectoryTest, IsNewAndRemovedWithEverythingInIt) {
    std::string removedPath;
    {
        WorkDirectory first;
        WorkDirectory second;
        EXPECT_NE(first.path(), second.path());
        EXPECT_FALSE(first.exists("a.txt"));
        first.createDirectory("A Long Directory Name");
        first.writeFile("A Long Directory Name\\a.txt", "one\r\ntwo");
        EXPECT_EQ(first.readFile("A Long Directory Name\\a.txt"), "one\r\ntwo");
        const std::string missing = driverFailure([&] { first.readFile("b.txt"); });
        EXPECT_TRUE(contains(missing, first.pathOf("b.txt"))) << missing;
        removedPath = first.path();
    }
    EXPECT_EQ(GetFileAttributesA(removedPath.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace zelvio::e2e
