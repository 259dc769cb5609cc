#pragma once
// The index data dialog: each file about to be encoded gets its MP3 name,
// title, artist and length; "Encode Now" runs the batch over the files.

#include "platform/controls/button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/form.h"
#include "platform/toolkit.h"
#include "playback/mediadevice.h"
#include "songindex/indexfile.h"

#include <string>
#include <vector>

namespace zelvio {

class MainProgram;

class TIndexdata : public Form {
public:
    explicit TIndexdata(MainProgram& program);

    MainProgram& program;

    // The working copy of the index, and for file i of the list the line its entry begins at (-1: none).
    WorkingCopy indexlist;
    std::vector<int> entryline;
    // For file k, its place (from 1) in the wave/CD list: a CD's track number.
    std::vector<int> tracknumbers;
    // 0 while the batch runs without fault; 1 or 2 after a capture error; 100 after Stop.
    int batchstatus = 0;
    bool capturedone = true;  // ends the wait for a CD track's capture
    MediaDevice MediaPlayer1;  // records the CD track into "temp.wav"
    MediaDevice MediaPlayer2;  // plays the CD track
    OpenFileRequest OpenDialog1;

    // The dialog.
    void loadindex();
    void showentry();
    void FormShow();
    void FormKeyPress(char& key);
    void FileListClick();
    void Button1Click();
    void saveindexClick();
    void indexeditExit();
    void indexgetbuttClick();
    void addindexchqClick();
    void OkbuttClick();
    // "Track01.cda" pairs by "Track01.mp3".
    static std::string pairingname(const std::string& file);

    // The batch.
    void compresnowClick();
    void stopbuttClick();
    void MediaPlayer2Notify();

    ListBox& FileList = control<ListBox>("FileList");
    Edit& indexedit = control<Edit>("indexedit");
    Button& indexgetbutt = control<Button>("indexgetbutt");
    Edit& compressname = control<Edit>("compressname");
    Edit& songedit = control<Edit>("songedit");
    Edit& Artistedit = control<Edit>("Artistedit");
    Edit& Lengthedit = control<Edit>("Lengthedit");
    Button& Button1 = control<Button>("Button1");
    CheckBox& addindexchq = control<CheckBox>("addindexchq");
    CheckBox& Autogetchq = control<CheckBox>("Autogetchq");
    CheckBox& KillTempcheck = control<CheckBox>("KillTempcheck");
    CheckBox& RipCdCheck = control<CheckBox>("RipCdCheck");
    Button& compresnow = control<Button>("compresnow");
    Button& saveindex = control<Button>("saveindex");
    Button& Okbutt = control<Button>("Okbutt");
    Button& stopbutt = control<Button>("stopbutt");

private:
    // One file of the batch.
    void encodeWave(std::size_t item);
    void encodeTrack(std::size_t item);
    void capturetrack(const std::string& wavePath, int track);
    std::string expandripper(int track);
    // Runs a command line of the batch, telling the output memo when it fails.
    void run(const std::string& commandLine, const std::string& what);
    // Error 1 or 2 of a capture: the box, then the memo's line.
    void captureError(int number, const std::string& line);
    std::string outputname(std::size_t item) const;
    std::string encoderline(const std::string& input, std::size_t item);
    std::string tempwave() const;
};

}  // namespace zelvio
