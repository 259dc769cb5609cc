#include "windows/main/mainwindow_layout.h"

#include "playback/songcolumns.h"

#include <string>

namespace zelvio::mainlayout {

namespace {

using K = ControlKind;

constexpr int columnLeft = 507;

}  // namespace

std::string songHead(std::size_t column) { return "Label" + std::to_string(column + 1); }

FormDesign design() {
    return {
        .name = "TForm1",
        .caption = "Mp3 Zelvio V 0.93",
        .bounds = {116, 91, 640, 482},
        .fontFace = "Times New Roman",
        .fontHeight = 12,
    };
}

namespace {

// A pane's list and its right-hand column; `list` is the visible list. A
// screen reader calls the column's boxes by what they choose for the pane's
// `files` ("Wave drive").
void addPane(std::vector<ControlDesign>& layout, ControlDesign list, ControlDesign drive, const char* directory,
             const char* filter, const char* filterChoices, int top, const std::string& files) {
    constexpr int listHeight = 176;
    list.bounds = {listLeft, top, 441, listHeight};
    list.flags |= flags::MultiSelect | flags::Bold;
    list.fontFace = "System";
    layout.push_back(std::move(list));
    drive.kind = K::DriveBox;
    drive.bounds = {columnLeft, top, columnWidth, driveBoxHeight};
    drive.accessibleName = files + " drive";
    layout.push_back(std::move(drive));
    layout.push_back(
        {.name = directory,
         .kind = K::DirectoryList,
         .bounds = {columnLeft, top + driveBoxHeight, columnWidth, listHeight - driveBoxHeight - filterBoxHeight},
         .accessibleName = files + " directory"});
    layout.push_back({.name = filter,
                      .kind = K::FilterBox,
                      .bounds = {columnLeft, top + listHeight - filterBoxHeight, columnWidth, filterBoxHeight},
                      .accessibleName = files + " file types",
                      .filter = filterChoices});
}

ControlDesign menu(const char* name, const char* caption) {
    return {.name = name, .kind = K::Menu, .caption = caption};
}

ControlDesign item(const char* name, const char* caption, const char* parent, unsigned flags = 0,
                   ShortcutKey shortcut = ShortcutKey::None) {
    return {
        .name = name, .kind = K::MenuItem, .caption = caption, .flags = flags, .parent = parent, .shortcut = shortcut};
}

}  // namespace

std::vector<ControlDesign> controls() {
    std::vector<ControlDesign> layout = {
        {.name = "Bevel2", .kind = K::Bevel, .bounds = {0, 0, 633, 9}, .bevel = BevelKind::TopLine},
        button("compilebutt", {3, 4, 89, 25}, "Encode", 0, "Compress Selected Wave or Cd files"),
        button("mixerbutt", {94, 4, 88, 25}, "Mixer", 0, "Bring Up the mixer"),
        button("Voicebutt", {184, 4, 88, 25}, "Voice"),
        button("configbutt", {536, 4, 89, 25}, "Config", 0, "Config"),
        {.name = "Bevel1", .kind = K::Bevel, .bounds = {0, 24, 633, 9}, .bevel = BevelKind::BottomLine},

        button("recplay", {4, 51, 57, 39}, "Play"),
        button("recstop", {4, 92, 57, 38}, "Stop", flags::Disabled),
        button("recback", {4, 132, 57, 29}, "Back", flags::Disabled),
        button("recfwd", {4, 163, 57, 29}, "Fwd", flags::Disabled),
        button("recpause", {4, 194, 57, 29}, "Puse", flags::Disabled),
        // The wave list's head, just before it: its name for a screen reader.
        label("Label4", {64, 32}, "Files To Encode"),
    };
    addPane(layout,
            {.name = "recfilelist",
             .kind = K::FileList,
             .hint = "List of wave files and cd files",
             .popup = "PopupMenu1",
             .filter = "*.wav;*.cda;"},
            {.name = "recdrive", .hint = "Drive that has the waves in it or a cd drive"}, "recdir", "recfilter",
            "Wav + Cd Tracks|*.wav;*.cda;|Cd Tracks|*.cda|Wav files (*.wav)|*.wav|All Files|*.*", 48, "Wave");

    for (std::size_t column = 0; column < songColumnTable.size(); ++column) {
        // The height is given: the column heads keep their distance from the list by it.
        layout.push_back({.name = songHead(column),
                          .kind = K::Label,
                          .bounds = {songColumnTable[column].headLeft, 232, 0, 14},
                          .caption = songColumnTable[column].head,
                          .flags = flags::Bold});
    }
    layout.push_back(button("mp3play", {4, 252, 57, 39}, "Play"));
    layout.push_back(button("mp3stop", {3, 293, 57, 40}, "Stop", flags::Disabled));
    layout.push_back(button("mp3back", {4, 335, 57, 27}, "Back", flags::Disabled));
    layout.push_back(button("mp3fowrd", {4, 364, 57, 28}, "Fwd", flags::Disabled));
    layout.push_back(button("Mp3pause", {4, 394, 57, 28}, "Puse", flags::Disabled));
    addPane(layout,
            {.name = "mpsonglist",
             .kind = K::ListBox,
             .hint = "List of mp3's",
             .accessibleName = "Songs",
             .flags = flags::Columns,
             .popup = "PopupMenu2"},
            {.name = "mp3drive"}, "mp3dir", "mp3filter", "Mp3 Files (*.mp3)|*.mp3|All files (*.*)|*.*", 248, "Mp3");
    layout.push_back(
        {.name = "mp3list",
         .kind = K::FileList,
         .flags = flags::Hidden | flags::NoWindow | flags::MultiSelect,
         .filter = "*.mp3"});
    layout.push_back({.name = "StatusBar1", .kind = K::StatusBar, .bounds = {0, 424, 632, 18}});

    const std::vector<ControlDesign> menus = {
        menu("File1", "&File"),
        item("Encode1", "&Encode", "File1", 0, ShortcutKey::F1),
        item("Mixer1", "&Mixer", "File1"),
        item("Voice1", "&Voice", "File1"),
        item("Setup1", "&Setup", "File1"),
        item("N1", "-", "File1"),
        item("WaveDelete1", "De&lete Wave ", "File1"),
        item("WaveRename1", "Rename &Wave ", "File1"),
        item("N2", "-", "File1"),
        item("Mp3Delete1", "&Delete Mp3 ", "File1"),
        item("Mp3Rename1", "&Rename Mp3 ", "File1"),
        item("N3", "-", "File1"),
        item("IndexEdit1", "&Index Edit", "File1"),
        item("N4", "-", "File1"),
        item("Exit1", "E&xit", "File1"),
        menu("View1", "&View"),
        item("Refresh1", "Refresh", "View1", 0, ShortcutKey::F2),
        item("Extensions1", "Extensions", "View1", flags::Checked),
        menu("Playmenu", "&Play"),
        item("sortmenu", "Random Mp3 Play", "Playmenu", flags::Checked),
        menu("Help1", "&Help"),
        item("Index1", "&Index", "Help1"),
        item("N5", "-", "Help1"),
        item("About1", "&About", "Help1"),

        {.name = "PopupMenu1", .kind = K::PopupMenu},
        item("Play1", "&Play", "PopupMenu1"),
        item("N6", "-", "PopupMenu1"),
        item("Mixer2", "&Mixer", "PopupMenu1"),
        item("Setup2", "&Setup", "PopupMenu1"),
        item("N7", "-", "PopupMenu1"),
        item("Rename1", "&Rename", "PopupMenu1"),
        item("Delete1", "&Delete", "PopupMenu1"),

        {.name = "PopupMenu2", .kind = K::PopupMenu},
        item("Play2", "&Play", "PopupMenu2"),
        item("N8", "-", "PopupMenu2"),
        item("IndexEdit2", "&Index Edit", "PopupMenu2"),
        item("N9", "-", "PopupMenu2"),
        item("Mixer3", "&Mixer", "PopupMenu2"),
        item("Setup3", "&Setup", "PopupMenu2"),
        item("N10", "-", "PopupMenu2"),
        item("Rename2", "&Rename", "PopupMenu2"),
        item("Delete2", "&Delete", "PopupMenu2"),
    };
    layout.insert(layout.end(), menus.begin(), menus.end());
    return layout;
}

}  // namespace zelvio::mainlayout
