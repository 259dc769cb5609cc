#include "playback/mpzelvio.h"

#include "shell/mainprogram.h"

#include <algorithm>

namespace zelvio {

namespace {

using K = ControlKind;

// The right-hand column of a pane: drive box, directory list, filter box.
constexpr int columnLeft = 507;
constexpr int columnWidth = 121;
constexpr int driveBoxHeight = 21;
constexpr int filterBoxHeight = 23;
constexpr int listLeft = 64;

FormDesign mainWindowDesign() {
    return {
        .name = "TForm1",
        .caption = "Mp3 Zelvio V 0.93",
        .bounds = {116, 91, 640, 482},
        .fontFace = "Times New Roman",
        .fontHeight = 12,
    };
}

ControlDesign button(const char* name, Rect bounds, const char* caption, unsigned flags = 0) {
    return {.name = name, .kind = K::Button, .bounds = bounds, .caption = caption, .flags = flags};
}

// A pane's list and its right-hand column; `list` is the visible list.
void addPane(std::vector<ControlDesign>& layout, ControlDesign list, ControlDesign drive, const char* directory,
             const char* filter, const char* filterChoices, int top) {
    constexpr int listHeight = 176;
    list.bounds = {listLeft, top, 441, listHeight};
    list.flags |= flags::MultiSelect | flags::Bold;
    list.fontFace = "System";
    layout.push_back(std::move(list));
    drive.kind = K::DriveBox;
    drive.bounds = {columnLeft, top, columnWidth, driveBoxHeight};
    layout.push_back(std::move(drive));
    layout.push_back({.name = directory,
                      .kind = K::DirectoryList,
                      .bounds = {columnLeft, top + driveBoxHeight, columnWidth,
                                 listHeight - driveBoxHeight - filterBoxHeight}});
    layout.push_back({.name = filter,
                      .kind = K::FilterBox,
                      .bounds = {columnLeft, top + listHeight - filterBoxHeight, columnWidth, filterBoxHeight},
                      .filter = filterChoices});
}

ControlDesign menu(const char* name, const char* caption) { return {.name = name, .kind = K::Menu, .caption = caption}; }

ControlDesign item(const char* name, const char* caption, const char* parent, unsigned flags = 0,
                   ShortcutKey shortcut = ShortcutKey::None) {
    return {.name = name, .kind = K::MenuItem, .caption = caption, .flags = flags, .parent = parent,
            .shortcut = shortcut};
}

std::vector<ControlDesign> mainWindowLayout() {
    std::vector<ControlDesign> layout = {
        {.name = "Bevel2", .kind = K::Bevel, .bounds = {0, 0, 633, 9}, .bevel = BevelKind::TopLine},
        {.name = "compilebutt", .kind = K::Button, .bounds = {3, 4, 89, 25}, .caption = "Encode",
         .hint = "Compress Selected Wave or Cd files"},
        {.name = "mixerbutt", .kind = K::Button, .bounds = {94, 4, 88, 25}, .caption = "Mixer",
         .hint = "Bring Up the mixer"},
        button("Voicebutt", {184, 4, 88, 25}, "Voice"),
        {.name = "configbutt", .kind = K::Button, .bounds = {536, 4, 89, 25}, .caption = "Config", .hint = "Config"},
        {.name = "Bevel1", .kind = K::Bevel, .bounds = {0, 24, 633, 9}, .bevel = BevelKind::BottomLine},
        {.name = "Label4", .kind = K::Label, .bounds = {64, 32, 0, 0}, .caption = "Files To Encode"},

        button("recplay", {4, 51, 57, 39}, "Play"),
        button("recstop", {4, 92, 57, 38}, "Stop", flags::Disabled),
        button("recback", {4, 132, 57, 29}, "Back", flags::Disabled),
        button("recfwd", {4, 163, 57, 29}, "Fwd", flags::Disabled),
        button("recpause", {4, 194, 57, 29}, "Puse", flags::Disabled),
    };
    addPane(layout,
            {.name = "recfilelist", .kind = K::FileList, .hint = "List of wave files and cd files",
             .popup = "PopupMenu1", .filter = "*.wav;*.cda;"},
            {.name = "recdrive", .hint = "Drive that has the waves in it or a cd drive"}, "recdir", "recfilter",
            "Wav + Cd Tracks|*.wav;*.cda;|Cd Tracks|*.cda|Wav files (*.wav)|*.wav|All Files|*.*", 48);

    for (auto [name, left, caption] : {std::tuple{"Label1", 72, "Song Title"}, std::tuple{"Label2", 326, "Artist"},
                                       std::tuple{"Label3", 462, "Length"}}) {
        // The height is given: the column heads keep their distance from the list by it.
        layout.push_back({.name = name, .kind = K::Label, .bounds = {left, 232, 0, 14}, .caption = caption,
                          .flags = flags::Bold});
    }
    layout.push_back(button("mp3play", {4, 252, 57, 39}, "Play"));
    layout.push_back(button("mp3stop", {3, 293, 57, 40}, "Stop", flags::Disabled));
    layout.push_back(button("mp3back", {4, 335, 57, 27}, "Back", flags::Disabled));
    layout.push_back(button("mp3fowrd", {4, 364, 57, 28}, "Fwd", flags::Disabled));
    layout.push_back(button("Mp3pause", {4, 394, 57, 28}, "Puse", flags::Disabled));
    addPane(layout, {.name = "mpsonglist", .kind = K::ListBox, .hint = "List of mp3's", .popup = "PopupMenu2"},
            {.name = "mp3drive"}, "mp3dir", "mp3filter", "Mp3 Files (*.mp3)|*.mp3|All files (*.*)|*.*", 248);
    layout.push_back({.name = "mp3list", .kind = K::FileList, .flags = flags::Hidden | flags::MultiSelect,
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

// The drive box, directory list and filter box beside a list, from its top and height.
void placeColumn(Control& drive, Control& directory, Control& filter, int left, int top, int height) {
    drive.setBounds({left, top, drive.bounds().width, driveBoxHeight});
    const int directoryHeight = std::max(height - driveBoxHeight - filterBoxHeight, 0);
    directory.setBounds({left, top + driveBoxHeight, directory.bounds().width, directoryHeight});
    filter.setBounds({left, top + driveBoxHeight + directoryHeight, filter.bounds().width, filterBoxHeight});
}

}  // namespace

TForm1::TForm1(MainProgram& program)
    : Form(program.app, mainWindowDesign(), mainWindowLayout()), program(program), MediaPlayer1(program.app) {
    recdrive.link(recdir);
    recdir.link(recdrive);
    recdir.link(recfilelist);
    recfilter.link(recfilelist);
    mp3drive.link(mp3dir);
    mp3dir.link(mp3drive);
    mp3dir.link(mp3list);
    mp3filter.link(mp3list);

    onCreate = [this] { FormCreate(); };
    onActivate = [this] { FormActivate(); };
    onCloseQuery = [this] { return FormCloseQuery(); };
    onResize = [this] { FormResize(); };

    configbutt.onClick = [this] { showSettings(); };
    Setup1.onClick = [this] { showSettings(); };
    Setup2.onClick = [this] { showSettings(); };
    Setup3.onClick = [this] { showSettings(); };
    mixerbutt.onClick = [this] { startMixer(); };
    Mixer1.onClick = [this] { startMixer(); };
    Mixer2.onClick = [this] { startMixer(); };
    Mixer3.onClick = [this] { startMixer(); };
    Exit1.onClick = [this] { Exit1Click(); };
    Index1.onClick = [this] { Index1Click(); };
    About1.onClick = [this] { About1Click(); };
    Refresh1.onClick = [this] { RefreshAll(); };
    Extensions1.onClick = [this] { Extensions1Click(); };
    sortmenu.onClick = [this] { sortmenuClick(); };

    compilebutt.onClick = [this] { compilebuttclick(); };
    Voicebutt.onClick = [this] { showVoiceRecorder(); };
    Voice1.onClick = [this] { showVoiceRecorder(); };
    Encode1.onClick = [this] { Encode1Click(); };
    recdrive.onChange = [this] { CheckAudioCd(); };
    recplay.onClick = [this] { PlaySelection(); };
    Play1.onClick = [this] { PlaySelection(); };
    recfilelist.onDoubleClick = [this](std::size_t) { PlaySelection(); };
    recstop.onClick = [this] { recstopClick(); };
    recback.onClick = [this] { recbackClick(); };
    recfwd.onClick = [this] { recfwdClick(); };
    recpause.onClick = [this] { recpauseClick(); };
    MediaPlayer1.OnNotify = [this] { MediaPlayer1Notify(); };

    for (MenuItem* item : {&WaveDelete1, &Delete1}) item->onClick = [this] { deletewaves(); };
    for (MenuItem* item : {&WaveRename1, &Rename1}) item->onClick = [this] { renamewaves(); };
    for (MenuItem* item : {&Mp3Delete1, &Delete2}) item->onClick = [this] { deletemp3s(); };
    for (MenuItem* item : {&Mp3Rename1, &Rename2}) item->onClick = [this] { renamemp3s(); };
    for (MenuItem* item : {&IndexEdit1, &IndexEdit2}) item->onClick = [this] { IndexEdit(); };

    mp3dir.onChange = [this] { BuildSongList(); };
    mp3filter.onChange = [this] { BuildSongList(); };
    mp3play.onClick = [this] { PlaySongs(); };
    Play2.onClick = [this] { PlaySongs(); };
    mpsonglist.onDoubleClick = [this](std::size_t) { PlaySongs(); };
}

void TForm1::FormResize() {
    const int width = bounds().width;
    const Size client = clientSize();
    // Never a negative height: below 88 pixels of client area the lists close up.
    const int listHeight = std::max((client.height - 88) / 2, 0);
    const int listWidth = std::max(width - 199, 0);
    recfilelist.setBounds({listLeft, 48, listWidth, listHeight});
    mpsonglist.setBounds({listLeft, listHeight + 68, listWidth, listHeight});
    // Both lines span the window: Bevel1 by the rule, Bevel2 as the line aligned to the top.
    for (Control* bevel : {&Bevel1, &Bevel2}) {
        Rect line = bevel->bounds();
        line.width = client.width;
        bevel->setBounds(line);
    }

    placeColumn(recdrive, recdir, recfilter, width - 133, 48, listHeight);
    placeColumn(mp3drive, mp3dir, mp3filter, width - 133, mpsonglist.bounds().top, listHeight);

    int top = mpsonglist.bounds().top + 2;
    for (Button* b : {&mp3play, &mp3stop, &mp3back, &mp3fowrd, &Mp3pause}) {
        Rect r = b->bounds();
        r.top = top;
        b->setBounds(r);
        top += r.height + 2;
    }
    Rect config = configbutt.bounds();
    config.left = client.width - 91;
    configbutt.setBounds(config);
    for (Control* head : {&Label1, &Label2, &Label3}) {
        Rect r = head->bounds();
        r.top = mpsonglist.bounds().top - (r.height + 2);
        head->setBounds(r);
    }
}

}  // namespace zelvio
