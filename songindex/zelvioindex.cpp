#include "songindex/zelvioindex.h"

#include "common/paths.h"
#include "platform/filesystem.h"
#include "shell/mainprogram.h"
#include "songindex/workingcopy.h"

namespace zelvio {

namespace {

FormDesign windowDesign() {
    FormDesign design = fixedDialog("TIndexdata", std::string(46, ' ') + "Mp3 Zelvio Index Data", {497, 305});
    design.keyPreview = true;
    return design;
}

ControlDesign field(const char* name, Rect bounds, const char* hint, unsigned flags = 0) {
    return {.name = name, .kind = ControlKind::Edit, .bounds = bounds, .hint = hint, .flags = flags,
            .parent = "GroupBox2"};
}

ControlDesign label(const char* name, int top, const char* caption) {
    return {.name = name, .kind = ControlKind::Label, .bounds = {10, top + 3, 0, 0}, .caption = caption,
            .flags = flags::Bold, .parent = "GroupBox2"};
}

ControlDesign box(const char* name, int left, const char* caption, unsigned flags) {
    return {.name = name, .kind = ControlKind::CheckBox, .bounds = {left, 238, 118, 17}, .caption = caption,
            .flags = flags};
}

ControlDesign bottomButton(const char* name, int left, const char* caption, const char* hint, unsigned flags) {
    return {.name = name, .kind = ControlKind::Button, .bounds = {left, 268, 112, 28}, .caption = caption,
            .hint = hint, .flags = flags::Bold | flags};
}

// In tab order: the file list, the entry's fields and Store, the index file,
// the check boxes on the index, the buttons, the batch's check boxes.
std::vector<ControlDesign> windowLayout() {
    using K = ControlKind;
    return {
        {.name = "GroupBox1", .kind = K::GroupBox, .bounds = {8, 4, 185, 226}, .caption = "Files to be encoded"},
        {.name = "FileList", .kind = K::ListBox, .bounds = {8, 18, 169, 200}, .hint = "List of files to encode",
         .parent = "GroupBox1"},
        {.name = "GroupBox2", .kind = K::GroupBox, .bounds = {200, 4, 289, 226}, .caption = "Index entry"},
        label("Label1", 20, "Index File"),
        label("Label2", 56, "Encode Name"),
        label("Label3", 88, "Song Name"),
        label("Label4", 120, "Artist"),
        label("Label5", 152, "Length"),
        field("compressname", {96, 54, 184, 21}, "When file is compressed what is it going to be called."),
        field("songedit", {96, 86, 184, 21}, "Data to appear in the mp3's song index group"),
        field("Artistedit", {96, 118, 184, 21}, "Data to appear in the mp3's Artist index column"),
        field("Lengthedit", {96, 150, 80, 21}, "Lenght of the mp3, this appears in the length column"),
        {.name = "Button1", .kind = K::Button, .bounds = {96, 186, 130, 27}, .caption = "Store Index Data",
         .hint = "Accept the data", .flags = flags::Bold, .parent = "GroupBox2"},
        field("indexedit", {96, 18, 156, 21}, "Name of the index file that holds the extra data for the mp3's",
              flags::Disabled),
        {.name = "indexgetbutt", .kind = K::GlyphButton, .bounds = {258, 17, 22, 22}, .hint = "Select index file",
         .flags = flags::Disabled, .parent = "GroupBox2"},
        box("addindexchq", 252, "Use default index", flags::Checked),
        box("Autogetchq", 374, "Auto Get Length", flags::Disabled),
        bottomButton("compresnow", 192, "Encode Now", "GO! compress the files", 0),
        bottomButton("saveindex", 8, "Save Index", "Save the current index", flags::Disabled),
        bottomButton("Okbutt", 377, "&Ok", "Back to main screen", 0),
        // Lies over "Encode Now" and shows only while a batch runs.
        bottomButton("stopbutt", 192, "! STOP !", "", flags::Hidden),
        box("KillTempcheck", 8, "Delete Temp Wav", flags::Checked),
        box("RipCdCheck", 130, "Use CD Ripping", 0),
    };
}

}  // namespace

TIndexdata::TIndexdata(MainProgram& program)
    : Form(program.app, windowDesign(), windowLayout()),
      program(program),
      MediaPlayer1(program.app),
      MediaPlayer2(program.app) {
    OpenDialog1.filter = "Index files (*.dat)|*.dat|All files|*.*";
    MediaPlayer2.DeviceType = MPDeviceType::dtCDAudio;
    onShow = [this] { FormShow(); };
    onKeyPress = [this](char& key) { FormKeyPress(key); };
    FileList.onClick = [this] { FileListClick(); };
    Button1.onClick = [this] { Button1Click(); };
    saveindex.onClick = [this] { saveindexClick(); };
    indexedit.onExit = [this] { indexeditExit(); };
    indexgetbutt.onClick = [this] { indexgetbuttClick(); };
    addindexchq.onClick = [this] { addindexchqClick(); };
    Okbutt.onClick = [this] { OkbuttClick(); };
    compresnow.onClick = [this] { compresnowClick(); };
    stopbutt.onClick = [this] { stopbuttClick(); };
    MediaPlayer2.OnNotify = [this] { MediaPlayer2Notify(); };
}

std::string TIndexdata::pairingname(const std::string& file) {
    return file.substr(0, file.size() >= 4 ? file.size() - 4 : 0) + ".mp3";
}

void TIndexdata::loadindex() {
    FileSystem& fs = app().fileSystem();
    const std::string& path = indexedit.text();
    indexlist = fs.fileExists(path) ? readindex(fs, path) : WorkingCopy{};
    std::vector<std::string> names;
    names.reserve(FileList.count());
    for (const auto& file : FileList.items()) names.push_back(pairingname(file));
    entryline = pairentries(indexlist, names);
}

void TIndexdata::showentry() {
    const int a = FileList.itemIndex();
    if (a < 0) return;
    const int b = static_cast<std::size_t>(a) < entryline.size() ? entryline[static_cast<std::size_t>(a)] : -1;
    if (b >= 0) {
        compressname.setText(readfield(indexlist, b, IndexField::filename));
        songedit.setText(readfield(indexlist, b, IndexField::title));
        Artistedit.setText(readfield(indexlist, b, IndexField::artist));
        Lengthedit.setText(readfield(indexlist, b, IndexField::length));
    } else {
        compressname.setText(pairingname(FileList.items()[static_cast<std::size_t>(a)]));
        songedit.setText("");
        Artistedit.setText("");
        Lengthedit.setText("");
    }
}

void TIndexdata::FormShow() {
    loadindex();
    FileList.setItemIndex(FileList.count() > 0 ? 0 : -1);
    showentry();
    compressname.setFocus();
}

// Enter moves on as Tab does.
void TIndexdata::FormKeyPress(char& key) { enterMovesOn(key); }

void TIndexdata::FileListClick() {
    showentry();
    compressname.setFocus();
}

void TIndexdata::Button1Click() {
    const int k = FileList.itemIndex();
    if (k < 0) return;
    const auto file = static_cast<std::size_t>(k);
    const IndexEntry entry{SpacesToUnderscores(compressname.text()), songedit.text(), Artistedit.text(),
                           Lengthedit.text()};
    // The name becomes a file in the MP3 directory and nowhere else.
    if (!IsPlainFileName(entry.filename)) {
        app().messageBox(MessageKind::Information, NotAFileNameMessage(compressname.text()), MessageButtons::Ok);
        compressname.setFocus();
        return;
    }
    if (file < entryline.size() && entryline[file] >= 0) {
        const int b = entryline[file];
        storefield(indexlist, b, IndexField::filename, entry.filename);
        storefield(indexlist, b, IndexField::title, entry.title);
        storefield(indexlist, b, IndexField::artist, entry.artist);
        storefield(indexlist, b, IndexField::length, entry.length);
    } else {
        addentry(indexlist, entryline, file, entry);
    }
    if (file + 1 < FileList.count()) FileList.setItemIndex(k + 1);
    showentry();
    compressname.setFocus();
    saveindex.setEnabled(true);
}

void TIndexdata::saveindexClick() {
    if (app().messageBox(MessageKind::Confirm, "Are you sure you want to save the index?",
                         MessageButtons::YesCancel) != MessageResult::Yes) {
        return;
    }
    writeindex(app().fileSystem(), indexedit.text(), indexlist);
    saveindex.setEnabled(false);
}

// The working copy is replaced without a question; the fields follow at the next selection.
void TIndexdata::indexeditExit() { loadindex(); }

void TIndexdata::indexgetbuttClick() {
    OpenDialog1.fileName = indexedit.text();
    if (auto path = app().openFileDialog(OpenDialog1)) {
        indexedit.setText(*path);
        loadindex();
    }
}

void TIndexdata::addindexchqClick() {
    indexedit.setEnabled(!addindexchq.checked());
    indexgetbutt.setEnabled(!addindexchq.checked());
}

// Changes not saved are dropped: the next showing reads the index again.
void TIndexdata::OkbuttClick() { close(); }

}  // namespace zelvio
