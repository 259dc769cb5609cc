#include "windows/indexdata/indexdata.h"

#include "common/paths.h"
#include "encoding/outcomelines.h"
#include "platform/application.h"

namespace zelvio {

namespace {

const char* const missingTrack =
    "Error # 1, Sorry there was an error, the cd track that I just recorded could not be found. This may be because "
    "there was not enough disk space to save it or it was misplaced. All other encoding will be terminated";
const char* const emptyTrack =
    "Error # 2,Sorry there was an error, the cd track that I just recorded had a size of 0 bytes. This may be because "
    "there was not enough disk space to save it or it was misplaced. All other encoding will be terminated";

// The output line of a capture that left no sound in `capture`.
std::string captureFaultLine(CaptureFault fault, const std::string& capture) {
    switch (fault) {
        case CaptureFault::Missing:
            return missingTrack;
        case CaptureFault::Empty:
            return emptyTrack;
        case CaptureFault::Leftover:
            return "Error # 1, Sorry there was an error, the cd track recorded before, " + capture +
                   ", could not be deleted, so the next one cannot be recorded there. All other encoding will be "
                   "terminated";
        case CaptureFault::None:
            break;
    }
    return {};
}

FormDesign windowDesign() {
    return fixedDialog("TIndexdata", 46, "Mp3 Zelvio Index Data", {497, 305}, DialogKind::DataEntry);
}

ControlDesign field(const char* name, Rect bounds, const char* hint, unsigned flags = 0) {
    return edit(name, bounds, flags, hint, "GroupBox2");
}

ControlDesign fieldLabel(const char* name, int top, const char* caption) {
    return label(name, {10, top + 3}, caption, flags::Bold, "GroupBox2");
}

ControlDesign box(const char* name, int left, const char* caption, unsigned flags) {
    return {.name = name,
            .kind = ControlKind::CheckBox,
            .bounds = {left, 238, 118, 17},
            .caption = caption,
            .flags = flags};
}

ControlDesign bottomButton(const char* name, int left, const char* caption, const char* hint, unsigned flags) {
    return button(name, {left, 268, 112, 28}, caption, flags::Bold | flags, hint);
}

// In tab order (each field after its label): the file list, the entry's
// fields and Store, the index file, the check boxes on the index, the
// buttons, the batch's check boxes.
std::vector<ControlDesign> windowLayout() {
    using K = ControlKind;
    return {
        {.name = "GroupBox1", .kind = K::GroupBox, .bounds = {8, 4, 185, 226}, .caption = "Files to be encoded"},
        {.name = "FileList",
         .kind = K::ListBox,
         .bounds = {8, 18, 169, 200},
         .hint = "List of files to encode",
         .accessibleName = "Files to be encoded",
         .parent = "GroupBox1"},
        {.name = "GroupBox2", .kind = K::GroupBox, .bounds = {200, 4, 289, 226}, .caption = "Index entry"},
        fieldLabel("Label2", 56, "Encode Name"),
        field("compressname", {96, 54, 184, 21}, "When file is compressed what is it going to be called."),
        fieldLabel("Label3", 88, "Song Name"),
        field("songedit", {96, 86, 184, 21}, "Data to appear in the mp3's song index group"),
        fieldLabel("Label4", 120, "Artist"),
        field("Artistedit", {96, 118, 184, 21}, "Data to appear in the mp3's Artist index column"),
        fieldLabel("Label5", 152, "Length"),
        field("Lengthedit", {96, 150, 80, 21}, "Lenght of the mp3, this appears in the length column"),
        button("Button1", {96, 186, 130, 27}, "Store Index Data", flags::Bold, "Accept the data", "GroupBox2"),
        fieldLabel("Label1", 20, "Index File"),
        field("indexedit", {96, 18, 156, 21}, "Name of the index file that holds the extra data for the mp3's",
              flags::Disabled),
        {.name = "indexgetbutt",
         .kind = K::GlyphButton,
         .bounds = {258, 17, 22, 22},
         .hint = "Select index file",
         .flags = flags::Disabled,
         .parent = "GroupBox2"},
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

TIndexdata::TIndexdata(Application& app, const Session& session, Progress& progress)
    : Form(app, windowDesign(), windowLayout()),
      session_(session),
      progress_(progress),
      batch_(app.system(), progress),
      editor_(FileList, {compressname, songedit, Artistedit, Lengthedit}, compressname,
              [](const std::string& file, const std::optional<IndexEntry>& entry) {
                  return entry.value_or(IndexEntry{pairingname(file)});
              }) {
    OpenDialog1.filter = "Index files (*.dat)|*.dat|All files|*.*";
    onShow = [this] { FormShow(); };
    onKeyPress = [this](char& key) { FormKeyPress(key); };
    FileList.onClick = [this] { FileListClick(); };
    control<Button>("Button1").onClick = [this] { Button1Click(); };
    saveindex.onClick = [this] { saveindexClick(); };
    indexedit.onExit = [this] { indexeditExit(); };
    indexgetbutt.onClick = [this] { indexgetbuttClick(); };
    addindexchq.onClick = [this] { addindexchqClick(); };
    Okbutt.onClick = [this] { OkbuttClick(); };
    control<Button>("compresnow").onClick = [this] { compresnowClick(); };
    stopbutt.onClick = [this] { stopbuttClick(); };
    batch_.onItem = [this](const EncodeItem& item, const EncodeOutcome& outcome) { tell(item, outcome); };
}

void TIndexdata::encodeFiles(std::vector<std::string> files, std::vector<int> tracks, const std::string& indexPath) {
    tracknumbers = std::move(tracks);
    FileList.setItems(std::move(files));
    indexedit.setText(indexPath);
    app().showModal(*this);
}

void TIndexdata::resetToIdle() {
    stopbutt.setVisible(false);
    Okbutt.setEnabled(true);
}

std::string TIndexdata::pairingname(const std::string& file) {
    return file.substr(0, file.size() >= 4 ? file.size() - 4 : 0) + ".mp3";
}

std::string TIndexdata::outputname(std::size_t item) const {
    const auto entry = editor_.entries().entry(item);
    return SpacesToUnderscores(entry ? entry->filename : pairingname(FileList.items()[item]));
}

void TIndexdata::loadindex() { editor_.load(app().fileSystem(), indexedit.text(), pairingname); }

void TIndexdata::FormShow() {
    loadindex();
    editor_.showFirst();
}

// Enter moves on as Tab does.
void TIndexdata::FormKeyPress(char& key) { enterMovesOn(key); }

void TIndexdata::FileListClick() { editor_.fileChosen(); }

void TIndexdata::Button1Click() {
    const auto file = editor_.current();
    if (!file) return;
    IndexEntry entry = editor_.typed();
    entry.filename = SpacesToUnderscores(entry.filename);
    // The name becomes a file in the MP3 directory and nowhere else.
    if (!IsPlainFileName(entry.filename)) {
        app().messageBox(MessageKind::Information, NotAFileNameMessage(compressname.text()), MessageButtons::Ok);
        compressname.setFocus();
        return;
    }
    editor_.entries().store(*file, entry);
    if (*file + 1 < FileList.count()) FileList.setItemIndex(static_cast<int>(*file) + 1);
    editor_.fileChosen();
    saveindex.setEnabled(true);
}

void TIndexdata::saveindexClick() {
    if (app().messageBox(MessageKind::Confirm, "Are you sure you want to save the index?", MessageButtons::YesCancel) !=
        MessageResult::Yes) {
        return;
    }
    editor_.entries().save(app().fileSystem(), indexedit.text());
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

void TIndexdata::compresnowClick() {
    progress_.clearLines();
    progress_.allowOutput(true);
    if (saveindex.enabled() && app().messageBox(MessageKind::Confirm, "Save Index Before Compress?",
                                                MessageButtons::YesCancel) == MessageResult::Yes) {
        editor_.entries().save(app().fileSystem(), indexedit.text());
        saveindex.setEnabled(false);
    }
    stopbutt.setVisible(true);
    Okbutt.setEnabled(false);
    progress_.allowHide(false);

    std::vector<EncodeItem> items;
    for (std::size_t k = 0; k < FileList.count(); ++k) {
        const int track = k < tracknumbers.size() ? tracknumbers[k] : static_cast<int>(k) + 1;
        items.push_back({FileList.items()[k], track, outputname(k), editor_.entries().entry(k)});
    }
    batch_.run(items, {.ripCd = RipCdCheck.checked(), .deleteTemp = KillTempcheck.checked()}, session_);

    if (onEncoded) onEncoded();
    stopbutt.setVisible(false);
    Okbutt.setEnabled(true);
    progress_.allowHide(true);
    progress_.display(0, 0, batch_.source(), Activity::None);
}

void TIndexdata::stopbuttClick() { batch_.stop(); }

void TIndexdata::tell(const EncodeItem& item, const EncodeOutcome& outcome) {
    if (outcome.result == EncodeResult::NotAFileName) {
        progress_.addLine("Not encoded: " + NotAFileNameMessage(item.outputName));
        return;
    }
    if (outcome.ripper) progress_.addLine(troubleLine("ripper", *outcome.ripper));
    if (outcome.capture != CaptureFault::None) {
        // The batch ends here: its stop button goes before the box.
        stopbutt.setVisible(false);
        app().messageBox(MessageKind::Information,
                         "Error #" + std::to_string(errorNumber(outcome.capture)) +
                             " Please see the output box for more info",
                         MessageButtons::Ok);
        progress_.addLine(captureFaultLine(outcome.capture, outcome.wave));
        return;
    }
    if (outcome.encoder) progress_.addLine(troubleLine("encoder", *outcome.encoder));
    if (outcome.result == EncodeResult::Failed && outcome.noMp3) progress_.addLine(missingOutputLine(outcome.mp3));
    if (!outcome.notTagged.empty()) progress_.addLine(notTaggedLine(outcome.mp3, outcome.notTagged));
}

}  // namespace zelvio
