#pragma once
// The index data dialog: each file about to be encoded gets its MP3 name,
// title, artist and length; "Encode Now" runs the batch over the files.

#include "common/progress.h"
#include "common/session.h"
#include "encoding/encodejob.h"
#include "platform/controls/button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/form.h"
#include "platform/toolkit.h"
#include "songindex/entryeditor.h"

#include <functional>
#include <string>
#include <vector>

namespace zelvio {

class Application;

class TIndexdata : public Form {
public:
    TIndexdata(Application& app, const Session& session, Progress& progress);

    // Shows the dialog modally for the files the wave pane lists (for a CD:
    // the track each one is) and the index of the MP3 directory.
    void encodeFiles(std::vector<std::string> files, std::vector<int> tracknumbers, const std::string& indexPath);
    // "! STOP !" hidden, OK enabled: no batch runs.
    void resetToIdle();
    // After a batch: the MP3 directory holds new files.
    std::function<void()> onEncoded;

    // The working copy, as it stands.
    const IndexEntries& entries() const { return editor_.entries(); }

    // "Track01.cda" pairs by "Track01.mp3".
    static std::string pairingname(const std::string& file);

private:
    void loadindex();
    void FormShow();
    void FormKeyPress(char& key);
    void FileListClick();
    void Button1Click();
    void saveindexClick();
    void indexeditExit();
    void indexgetbuttClick();
    void addindexchqClick();
    void OkbuttClick();
    void compresnowClick();
    void stopbuttClick();
    // Says what became of one file of the batch: output lines, and a box for a failed capture.
    void tell(const EncodeItem& item, const EncodeOutcome& outcome);
    // The MP3 file's name for item k of the list.
    std::string outputname(std::size_t item) const;

    const Session& session_;
    Progress& progress_;
    // For file k, its place (from 1) in the wave/CD list: a CD's track number.
    std::vector<int> tracknumbers;
    EncodeJob batch_;
    OpenFileRequest OpenDialog1;
    ListBox& FileList = control<ListBox>("FileList");
    Edit& indexedit = control<Edit>("indexedit");
    Button& indexgetbutt = control<Button>("indexgetbutt");
    Edit& compressname = control<Edit>("compressname");
    Edit& songedit = control<Edit>("songedit");
    Edit& Artistedit = control<Edit>("Artistedit");
    Edit& Lengthedit = control<Edit>("Lengthedit");
    CheckBox& addindexchq = control<CheckBox>("addindexchq");
    CheckBox& KillTempcheck = control<CheckBox>("KillTempcheck");
    CheckBox& RipCdCheck = control<CheckBox>("RipCdCheck");
    Button& saveindex = control<Button>("saveindex");
    Button& Okbutt = control<Button>("Okbutt");
    Button& stopbutt = control<Button>("stopbutt");
    EntryEditor editor_;
};

}  // namespace zelvio
