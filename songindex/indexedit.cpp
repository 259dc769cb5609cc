#include "songindex/indexedit.h"

#include "playback/mpzelvio.h"
#include "shell/mainprogram.h"

namespace zelvio {

namespace {

FormDesign windowDesign() {
    FormDesign design = fixedDialog("Tindexeditor", std::string(37, ' ') + "Mp3 Zelvio Index Editor", {448, 230});
    design.keyPreview = true;
    return design;
}

ControlDesign label(const char* name, int top, const char* caption) {
    return {.name = name, .kind = ControlKind::Label, .bounds = {10, top + 3, 0, 0}, .caption = caption,
            .flags = flags::Bold, .parent = "GroupBox1"};
}

ControlDesign field(const char* name, int top, int width, const char* hint, unsigned flags = 0) {
    return {.name = name, .kind = ControlKind::Edit, .bounds = {96, top, width, 21}, .hint = hint, .flags = flags,
            .parent = "GroupBox1"};
}

// In tab order: the four fields, the file list, OK, Cancel, Remove.
std::vector<ControlDesign> windowLayout() {
    using K = ControlKind;
    return {
        {.name = "GroupBox1", .kind = K::GroupBox, .bounds = {8, 4, 268, 184}, .caption = "Index Info"},
        label("Label1", 20, "File Name"),
        label("Label2", 52, "Song Name"),
        label("Label3", 84, "Artist Name"),
        label("Label4", 116, "Length"),
        field("Filenameedit", 18, 162, "Current Filename", flags::ReadOnly),
        field("Songnameedit", 50, 162, "Text to display in the song name column"),
        field("Artistnameedit", 82, 162, "Text to display in the Artist column"),
        field("lengthedit", 114, 80, "Text to display in the length column"),
        {.name = "GroupBox2", .kind = K::GroupBox, .bounds = {284, 4, 156, 184}, .caption = "File Names"},
        {.name = "filelist", .kind = K::ListBox, .bounds = {8, 18, 140, 158},
         .hint = "Click in here to select a song to index", .parent = "GroupBox2"},
        {.name = "okbutt", .kind = K::Button, .bounds = {284, 196, 75, 27}, .caption = "&Ok", .flags = flags::Bold},
        {.name = "cancelbutt", .kind = K::Button, .bounds = {365, 196, 75, 27}, .caption = "&Cancel",
         .flags = flags::Bold},
        {.name = "Removebutt", .kind = K::Button, .bounds = {96, 148, 90, 25}, .caption = "&Remove",
         .hint = "Remove the index item from the index list", .parent = "GroupBox1"},
    };
}

}  // namespace

Tindexeditor::Tindexeditor(MainProgram& program)
    : Form(program.app, windowDesign(), windowLayout()), program(program) {
    onShow = [this] { FormShow(); };
    onKeyPress = [this](char& key) { FormKeyPress(key); };
    filelist.onClick = [this] { filelistClick(); };
    Songnameedit.onExit = [this] { SongnameeditExit(); };
    Artistnameedit.onExit = [this] { ArtistnameeditExit(); };
    lengthedit.onExit = [this] { lengtheditExit(); };
    Removebutt.onClick = [this] { RemovebuttClick(); };
    okbutt.onClick = [this] { okbuttClick(); };
    cancelbutt.onClick = [this] { cancelbuttClick(); };
}

void Tindexeditor::loadindex() {
    indexpath = indexfilename(program.Form1->mp3list.directory());
    indexlist = readindex(app().fileSystem(), indexpath);
    entryline = pairentries(indexlist, filelist.items());
}

void Tindexeditor::showentry() {
    const int current = filelist.itemIndex();
    if (current < 0) return;
    const auto file = static_cast<std::size_t>(current);
    Filenameedit.setText(filelist.items()[file]);
    const int line = file < entryline.size() ? entryline[file] : -1;
    Songnameedit.setText(line >= 0 ? readfield(indexlist, line, IndexField::title) : "");
    Artistnameedit.setText(line >= 0 ? readfield(indexlist, line, IndexField::artist) : "");
    lengthedit.setText(line >= 0 ? readfield(indexlist, line, IndexField::length) : "");
}

void Tindexeditor::FormShow() {
    loadindex();
    filelist.setItemIndex(filelist.count() > 0 ? 0 : -1);
    showentry();
    Songnameedit.setFocus();
}

// Enter moves on as Tab does.
void Tindexeditor::FormKeyPress(char& key) { enterMovesOn(key); }

void Tindexeditor::filelistClick() {
    showentry();
    Songnameedit.setFocus();
}

// Nothing is stored for a file whose title field is empty: an entry always has a title.
void Tindexeditor::store(IndexField field) {
    const int current = filelist.itemIndex();
    if (current < 0 || Songnameedit.text().empty()) return;
    const auto file = static_cast<std::size_t>(current);
    const int line = file < entryline.size() ? entryline[file] : -1;
    if (line >= 0) {
        const Edit* edits[] = {&Filenameedit, &Songnameedit, &Artistnameedit, &lengthedit};
        storefield(indexlist, line, field, edits[static_cast<int>(field)]->text());
    } else {
        addentry(indexlist, entryline, file,
                 {Filenameedit.text(), Songnameedit.text(), Artistnameedit.text(), lengthedit.text()});
    }
}

void Tindexeditor::SongnameeditExit() { store(IndexField::title); }

void Tindexeditor::ArtistnameeditExit() { store(IndexField::artist); }

// The length is the last field of a file: the next file comes up, the title field ready.
void Tindexeditor::lengtheditExit() {
    store(IndexField::length);
    const int current = filelist.itemIndex();
    if (current >= 0 && static_cast<std::size_t>(current) + 1 < filelist.count()) filelist.setItemIndex(current + 1);
    showentry();
    Songnameedit.setFocus();
}

void Tindexeditor::RemovebuttClick() {
    const int current = filelist.itemIndex();
    if (current >= 0) removeentry(indexlist, entryline, static_cast<std::size_t>(current));
    showentry();
}

void Tindexeditor::okbuttClick() {
    // Pressed by its letter (Alt+O), OK leaves the focus where it was: the
    // field's text counts all the same, as it does when a click moves the focus.
    Control* focused = focusedControl();
    if (focused == &Songnameedit) store(IndexField::title);
    if (focused == &Artistnameedit) store(IndexField::artist);
    if (focused == &lengthedit) store(IndexField::length);
    writeindex(app().fileSystem(), indexpath, indexlist);
    close();
}

void Tindexeditor::cancelbuttClick() { close(); }

}  // namespace zelvio
