#include "windows/indexeditor/indexeditor.h"

#include "platform/application.h"
#include "tags/tagentry.h"

namespace zelvio {

namespace {

FormDesign windowDesign() {
    return fixedDialog("Tindexeditor", 37, "Mp3 Zelvio Index Editor", {448, 230}, DialogKind::DataEntry);
}

ControlDesign fieldLabel(const char* name, int top, const char* caption) {
    return label(name, {10, top + 3}, caption, flags::Bold, "GroupBox1");
}

ControlDesign field(const char* name, int top, int width, const char* hint, unsigned flags = 0) {
    return edit(name, {96, top, width, 21}, flags, hint, "GroupBox1");
}

// In tab order: the four fields, each after its label, the file list, OK,
// Cancel, Remove.
std::vector<ControlDesign> windowLayout() {
    using K = ControlKind;
    return {
        {.name = "GroupBox1", .kind = K::GroupBox, .bounds = {8, 4, 268, 184}, .caption = "Index Info"},
        fieldLabel("Label1", 20, "File Name"),
        field("Filenameedit", 18, 162, "Current Filename", flags::ReadOnly),
        fieldLabel("Label2", 52, "Song Name"),
        field("Songnameedit", 50, 162, "Text to display in the song name column"),
        fieldLabel("Label3", 84, "Artist Name"),
        field("Artistnameedit", 82, 162, "Text to display in the Artist column"),
        fieldLabel("Label4", 116, "Length"),
        field("lengthedit", 114, 80, "Text to display in the length column"),
        {.name = "GroupBox2", .kind = K::GroupBox, .bounds = {284, 4, 156, 184}, .caption = "File Names"},
        {.name = "filelist",
         .kind = K::ListBox,
         .bounds = {8, 18, 140, 158},
         .hint = "Click in here to select a song to index",
         .accessibleName = "File Names",
         .parent = "GroupBox2"},
        button("okbutt", {284, 196, 75, 27}, "&Ok", flags::Bold),
        button("cancelbutt", {365, 196, 75, 27}, "&Cancel", flags::Bold),
        button("Removebutt", {96, 148, 90, 25}, "&Remove", 0, "Remove the index item from the index list", "GroupBox1"),
    };
}

}  // namespace

Tindexeditor::Tindexeditor(Application& app)
    : Form(app, windowDesign(), windowLayout()),
      // The file name field always shows the file, whatever case its entry spells it in.
      editor_(filelist, {control<Edit>("Filenameedit"), Songnameedit, Artistnameedit, lengthedit}, Songnameedit,
              [](const std::string& file, const std::optional<IndexEntry>& entry) {
                  IndexEntry shown = entry.value_or(IndexEntry{});
                  shown.filename = file;
                  return shown;
              }) {
    onShow = [this] { FormShow(); };
    onKeyPress = [this](char& key) { FormKeyPress(key); };
    filelist.onClick = [this] { filelistClick(); };
    Songnameedit.onExit = [this] { SongnameeditExit(); };
    Artistnameedit.onExit = [this] { ArtistnameeditExit(); };
    lengthedit.onExit = [this] { lengtheditExit(); };
    control<Button>("Removebutt").onClick = [this] { RemovebuttClick(); };
    control<Button>("okbutt").onClick = [this] { okbuttClick(); };
    control<Button>("cancelbutt").onClick = [this] { cancelbuttClick(); };
}

void Tindexeditor::editFiles(std::vector<std::string> files, const std::string& directory) {
    directory_ = directory;
    filelist.setItems(std::move(files));
    app().showModal(*this);
}

void Tindexeditor::loadindex() {
    FileSystem& fs = app().fileSystem();
    indexpath_ = indexfilename(directory_);
    editor_.load(fs, indexpath_, [](const std::string& file) { return file; });
    // A file the index does not know is offered what its tag says, when that
    // has a title: an entry never goes without one.
    std::vector<std::optional<IndexEntry>> offers(filelist.count());
    for (std::size_t file = 0; file < offers.size(); ++file) {
        if (editor_.entries().entry(file)) continue;
        offers[file] = tagEntry(fs, directory_, filelist.items()[file]);
        if (offers[file] && offers[file]->title.empty()) offers[file].reset();
    }
    editor_.setOffers(std::move(offers));
}

void Tindexeditor::FormShow() {
    loadindex();
    editor_.showFirst();
}

// Enter moves on as Tab does.
void Tindexeditor::FormKeyPress(char& key) { enterMovesOn(key); }

void Tindexeditor::filelistClick() { editor_.fileChosen(); }

// Nothing is stored for a file whose title field is empty: an entry always
// has a title. An offered title emptied is an offer declined.
void Tindexeditor::store(IndexField field) {
    const auto file = editor_.current();
    if (!file) return;
    if (Songnameedit.text().empty()) {
        editor_.declineOffer(*file);
        return;
    }
    editor_.entries().storeField(*file, field, editor_.typed());
}

void Tindexeditor::SongnameeditExit() { store(IndexField::title); }

void Tindexeditor::ArtistnameeditExit() { store(IndexField::artist); }

// The length is the last field of a file: the next file comes up, the title field ready.
void Tindexeditor::lengtheditExit() {
    store(IndexField::length);
    const auto file = editor_.current();
    if (file && *file + 1 < filelist.count()) filelist.setItemIndex(static_cast<int>(*file) + 1);
    editor_.fileChosen();
}

void Tindexeditor::RemovebuttClick() {
    if (const auto file = editor_.current()) {
        editor_.entries().remove(*file);
        editor_.declineOffer(*file);
    }
    editor_.showentry();
}

void Tindexeditor::okbuttClick() {
    // Pressed by its letter (Alt+O), OK leaves the focus where it was: the
    // field's text counts all the same, as it does when a click moves the focus.
    Control* focused = focusedControl();
    if (focused == &Songnameedit) store(IndexField::title);
    if (focused == &Artistnameedit) store(IndexField::artist);
    if (focused == &lengthedit) store(IndexField::length);
    editor_.acceptOffers();
    editor_.entries().save(app().fileSystem(), indexpath_);
    close();
}

void Tindexeditor::cancelbuttClick() { close(); }

}  // namespace zelvio
