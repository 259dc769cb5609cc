// The linked drive box, directory list, file list and filter box; list
// selections; pop-up menus; and dialogs that only their own buttons close.

#include "common/errors.h"
#include "platform/application.h"
#include "platform/controls/directory_list.h"
#include "platform/controls/drive_box.h"
#include "platform/controls/file_list.h"
#include "platform/controls/file_names.h"
#include "platform/controls/filter_box.h"
#include "platform/controls/menu_item.h"
#include "platform/form.h"
#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>

namespace zelvio {
namespace {

using Texts = std::vector<std::string>;
using Indices = std::vector<std::size_t>;

std::vector<ControlDesign> browserControls() {
    using K = ControlKind;
    return {
        {.name = "drives", .kind = K::DriveBox},
        {.name = "folders", .kind = K::DirectoryList},
        {.name = "files", .kind = K::FileList, .flags = flags::MultiSelect, .popup = "menu",
         .filter = "*.wav;*.cda;"},
        {.name = "filter", .kind = K::FilterBox, .filter = "Waves|*.wav;*.cda;|Everything|*.*"},
        {.name = "single", .kind = K::ListBox},
        {.name = "menu", .kind = K::PopupMenu},
        {.name = "Play1", .kind = K::MenuItem, .caption = "&Play", .parent = "menu"},
        {.name = "N1", .kind = K::MenuItem, .caption = "-", .parent = "menu"},
        {.name = "Gone1", .kind = K::MenuItem, .caption = "&Gone", .flags = flags::Disabled, .parent = "menu"},
    };
}

class BrowserControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs.makeDirectories("C:\\Music\\rock");
        fs.makeDirectories("C:\\Music\\Jazz");
        fs.makeDirectories("C:\\Music\\.hidden");
        fs.setHidden("C:\\Music\\.hidden", true);
        for (const char* name : {"b.wav", "A.WAV", "Track01.cda", "notes.txt", "c.wave", "secret.wav"}) {
            fs.putFile(std::string("C:\\Music\\") + name, "x");
        }
        fs.setHidden("C:\\Music\\secret.wav", true);
        fs.addDrive('D');
        fs.setVolumeLabel('D', "AUDIO CD");
        fs.makeDirectories("D:\\");
        fs.putFile("D:\\Track01.cda", "x");
        app.createForm(form);
        drives.link(folders);
        folders.link(drives);
        folders.link(files);
        filter.link(files);
        folders.onChange = [this] { events.push_back("change " + folders.directory()); };
        drives.onChange = [this] { events.push_back("drive " + std::string(1, drives.drive())); };
    }

    HeadlessPlatform headless;
    HeadlessFileSystem& fs = headless.fs;
    Application app{headless.platform()};
    Form form{app, {.name = "TBrowser"}, browserControls()};
    DriveBox& drives = form.control<DriveBox>("drives");
    DirectoryList& folders = form.control<DirectoryList>("folders");
    FileList& files = form.control<FileList>("files");
    FilterBox& filter = form.control<FilterBox>("filter");
    ListBox& single = form.control<ListBox>("single");
    Texts events;
};

TEST_F(BrowserControlsTest, ADirectoryShowsItsPathItsFoldersAndItsFilesInOrder) {
    form.show();
    folders.setDirectory("C:\\Music");
    EXPECT_EQ(fs.currentDirectory(), "C:\\Music");
    EXPECT_EQ(folders.directory(), "C:\\Music");
    EXPECT_EQ(folders.items(), (Texts{"C:\\", "Music", "Jazz", "rock"}));
    EXPECT_EQ(folders.itemIndex(), 1);
    EXPECT_EQ(folders.itemLook(1).glyph, ItemGlyph::OpenFolder);
    EXPECT_EQ(folders.itemLook(2).indent, 2);
    EXPECT_EQ(folders.itemLook(3).glyph, ItemGlyph::ClosedFolder);
    // Sorted without regard to case, whatever order the files were made in; hidden ones left out.
    EXPECT_EQ(files.items(), (Texts{"A.WAV", "b.wav", "Track01.cda"}));
    EXPECT_EQ(drives.items(), (Texts{"c:", "d:"}));  // D: is asked for its label when the box opens
    EXPECT_EQ(drives.drive(), 'C');
    EXPECT_EQ(events, Texts{"change C:\\Music"});

    folders.doubleClick(3);  // into rock
    EXPECT_EQ(fs.currentDirectory(), "C:\\Music\\rock");
    EXPECT_TRUE(files.items().empty());
    folders.setItemIndex(0);
    folders.setFocus();
    form.pressKey('\r');  // back up to the root
    EXPECT_EQ(folders.directory(), "C:\\");
    EXPECT_EQ(events.back(), "change C:\\");
}

// A directory of thousands of files is read once for its folders and files.
TEST_F(BrowserControlsTest, OneListingServesTheFoldersAndTheFiles) {
    const std::size_t before = fs.listings();
    folders.setDirectory("C:\\Music");
    EXPECT_EQ(fs.listings(), before + 1);
    EXPECT_EQ(folders.items().back(), "rock");
    EXPECT_EQ(files.items(), (Texts{"A.WAV", "b.wav", "Track01.cda"}));
}

TEST_F(BrowserControlsTest, AFolderThatCannotBeEnteredLeavesEverythingWhereItWas) {
    folders.setDirectory("C:\\Music");
    events.clear();
    EXPECT_THROW(folders.setDirectory("C:\\Music\\none"), InOutError);
    fs.failOpening("C:\\Music\\Jazz");
    EXPECT_THROW(folders.setDirectory("C:\\Music\\Jazz"), InOutError);
    EXPECT_EQ(fs.currentDirectory(), "C:\\Music");
    EXPECT_EQ(folders.directory(), "C:\\Music");
    EXPECT_EQ(files.directory(), "C:\\Music");
    EXPECT_TRUE(events.empty());
}

TEST_F(BrowserControlsTest, TheDriveBoxTakesTheListToTheDriveAndFollowsIt) {
    folders.setDirectory("C:\\Music");
    form.show();
    events.clear();
    drives.choose(1);
    EXPECT_EQ(folders.directory(), "D:\\");
    EXPECT_EQ(files.items(), Texts{"Track01.cda"});
    // The list and files have followed before the drive box tells of the change.
    EXPECT_EQ(events, (Texts{"change D:\\", "drive D"}));
    folders.setDirectory("C:\\Music\\Jazz");  // a directory elsewhere moves the box quietly
    EXPECT_EQ(drives.drive(), 'C');
    EXPECT_EQ(events.back(), "change C:\\Music\\Jazz");
}

// Asking a drive for its label may spin up a disc: the closed box shows the
// chosen drive alone, and the others are asked when the user comes to the box.
TEST_F(BrowserControlsTest, ADriveIsAskedForItsLabelOnceAndOnlyWhenTheBoxShowsIt) {
    fs.setVolumeLabel('C', "SYSTEM");
    fs.addDrive('E');
    fs.makeDirectories("E:\\");
    fs.setVolumeLabel('E', "BACKUP");
    folders.setDirectory("C:\\Music");
    form.show();
    EXPECT_EQ(drives.items(), (Texts{"c: [SYSTEM]", "d:", "e:"}));
    EXPECT_EQ(fs.labelsAsked(), std::vector<char>{'C'});

    drives.approached();  // the list drops down
    EXPECT_EQ(drives.items(), (Texts{"c: [SYSTEM]", "d: [AUDIO CD]", "e: [BACKUP]"}));
    drives.approached();
    drives.choose(2);
    folders.setDirectory("C:\\Music");
    EXPECT_EQ(fs.labelsAsked(), (std::vector<char>{'C', 'D', 'E'}));
    EXPECT_EQ(drives.items()[2], "e: [BACKUP]");
}

TEST_F(BrowserControlsTest, AChoiceMadeWithTheListClosedShowsTheLabelsToo) {
    fs.setVolumeLabel('C', "SYSTEM");
    folders.setDirectory("C:\\Music");
    form.show();
    drives.itemChosen(1);  // the arrow keys on the closed box
    EXPECT_EQ(folders.directory(), "D:\\");
    EXPECT_EQ(drives.items(), (Texts{"c: [SYSTEM]", "d: [AUDIO CD]"}));
    EXPECT_EQ(drives.itemIndex(), 1);
}

TEST_F(BrowserControlsTest, TheFilterBoxSetsTheMaskOfItsFileList) {
    folders.setDirectory("C:\\Music");
    form.show();
    EXPECT_EQ(filter.items(), (Texts{"Waves", "Everything"}));
    EXPECT_EQ(filter.mask(), "*.wav;*.cda;");
    filter.choose(1);
    EXPECT_EQ(files.mask(), "*.*");
    EXPECT_EQ(files.items(), (Texts{"A.WAV", "b.wav", "c.wave", "notes.txt", "Track01.cda"}));
}

TEST(FileMasks, MatchAsWindowsMatches) {
    EXPECT_TRUE(matchesFileMask("Song.MP3", "*.mp3"));
    EXPECT_FALSE(matchesFileMask("song.mp3x", "*.mp3"));
    EXPECT_TRUE(matchesFileMask("TRACK01.CDA", "*.wav;*.cda;"));
    EXPECT_TRUE(matchesFileMask("README", "*.*"));
    EXPECT_TRUE(matchesFileMask("a.b.c", "a*c"));
    EXPECT_TRUE(matchesFileMask("ab", "a?"));
    EXPECT_FALSE(matchesFileMask("a", "a?"));
    EXPECT_FALSE(matchesFileMask("x.wav", ""));
}

TEST_F(BrowserControlsTest, SelectionsFollowTheKindOfList) {
    folders.setDirectory("C:\\Music");
    form.show();
    files.choose({0, 2});
    EXPECT_EQ(files.selection(), (Indices{0, 2}));
    EXPECT_EQ(files.itemIndex(), 2);
    single.setItems({"one", "two", "three"});
    single.choose({0, 2});  // one item at most
    EXPECT_EQ(single.selection(), Indices{0});
    single.setItemIndex(1);
    EXPECT_EQ(single.selection(), Indices{1});
    files.update();  // new items, no selection
    EXPECT_EQ(files.selectedCount(), 0u);
}

TEST_F(BrowserControlsTest, ARightClickShowsTheListsPopUpMenuThere) {
    folders.setDirectory("C:\\Music");
    form.show();
    form.control<MenuItem>("Play1").onClick = [this] { events.push_back("play"); };
    events.clear();
    headless.toolkit.answerPopupMenu("Play1");
    files.rightClick({300, 200});
    headless.toolkit.answerPopupMenu("Gone1");  // grayed: nothing happens
    files.rightClick({300, 200});
    headless.toolkit.answerPopupMenu(std::nullopt);
    files.rightClick({10, 20});
    EXPECT_EQ(events, Texts{"play"});
    ASSERT_EQ(headless.toolkit.popupsShown().size(), 3u);
    EXPECT_EQ(headless.toolkit.popupsShown()[0].menu, "menu");
    EXPECT_EQ(headless.toolkit.popupsShown()[2].at, (Point{10, 20}));
    EXPECT_EQ(headless.toolkit.problems(), Texts{"pop-up menu item Gone1 cannot be chosen; the menu was dismissed"});
}

TEST(FixedDialogs, IgnoreTheSystemsCloseRequest) {
    HeadlessPlatform headless;
    Application app{headless.platform()};
    Form main{app, {.name = "TMain"}, {}};
    Form dialog{app, fixedDialog("TFixed", 0, "Fixed", {200, 100}), {}};
    Form tool{app, {.name = "TTool", .titleButtons = TitleButtons::CloseOnly}, {}};
    for (Form* form : {&main, &dialog, &tool}) app.createForm(*form);
    dialog.show();
    tool.show();
    dialog.requestClose();  // Alt+F4
    tool.requestClose();
    EXPECT_TRUE(dialog.visible());
    EXPECT_FALSE(tool.visible());
    dialog.close();  // its own button
    EXPECT_FALSE(dialog.visible());
}

}  // namespace
}  // namespace zelvio
