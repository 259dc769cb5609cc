#pragma once
// The main window: the wave pane above, the MP3 pane below, the command
// buttons, the menus and the two pop-up menus. It owns the settings and the
// start and program directories.

#include "common/settings.h"
#include "platform/controls/button.h"
#include "platform/controls/directory_list.h"
#include "platform/controls/drive_box.h"
#include "platform/controls/file_list.h"
#include "platform/controls/filter_box.h"
#include "platform/controls/list_box.h"
#include "platform/controls/menu_item.h"
#include "platform/form.h"
#include "playback/mediadevice.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace zelvio {

class MainProgram;

class TForm1 : public Form {
public:
    explicit TForm1(MainProgram& program);

    MainProgram& program;

    Settings settings;
    std::string startdir;    // the working directory at start
    std::string programdir;  // its short form: where the settings and work files live
    bool settingsvalid = false;

    // Start-up, first run and close.
    void FormCreate();
    void FormActivate();
    // Saves the settings; true when the window may close.
    bool FormCloseQuery();
    void CustomException(const std::exception& error);
    void FormResize();

    // The settings file.
    void ReadSettingsFile();
    void WriteSettingsFile();

    // The wave pane.
    void CheckAudioCd();
    void PlaySelection();
    void recstopClick();
    void recbackClick();
    void recfwdClick();
    void recpauseClick();
    void MediaPlayer1Notify();

    MediaDevice MediaPlayer1;
    // One play: the entries (file names, or track numbers in CD mode) and
    // an empty one that ends them; the entry playing; the flags the loop steers by.
    std::vector<std::string> playlist;
    std::size_t playcount = 0;
    long playindex = 0;
    bool playended = false;
    bool playdone = true;

    // Encoding.
    void Encode();
    void compilebuttclick();
    void Encode1Click();
    void showVoiceRecorder();

    // The index editor and the file commands.
    void IndexEdit();
    void deletewaves();
    void renamewaves();
    void deletemp3s();
    void renamemp3s();
    void refreshWaves();
    void refreshMp3s();

    // The MP3 pane.
    void BuildSongList();
    // The files of the selected songs, in list order; none when the song
    // list no longer matches the file list line for line.
    std::optional<std::vector<std::string>> selectedSongFiles() const;
    void PlaySongs();
    std::vector<std::string> songFiles;  // the files the song list's lines stand for

    // Commands.
    void Exit1Click();
    void showSettings();
    void startMixer();
    void notYetImplemented();
    void Index1Click();
    void About1Click();
    void Extensions1Click();
    void sortmenuClick();
    void RefreshAll();

    // The command row.
    Button& compilebutt = control<Button>("compilebutt");
    Button& mixerbutt = control<Button>("mixerbutt");
    Button& Voicebutt = control<Button>("Voicebutt");
    Button& configbutt = control<Button>("configbutt");
    Control& Bevel1 = control<Control>("Bevel1");
    Control& Bevel2 = control<Control>("Bevel2");

    // The wave pane.
    Button& recplay = control<Button>("recplay");
    Button& recstop = control<Button>("recstop");
    Button& recback = control<Button>("recback");
    Button& recfwd = control<Button>("recfwd");
    Button& recpause = control<Button>("recpause");
    FileList& recfilelist = control<FileList>("recfilelist");
    DriveBox& recdrive = control<DriveBox>("recdrive");
    DirectoryList& recdir = control<DirectoryList>("recdir");
    FilterBox& recfilter = control<FilterBox>("recfilter");

    // The MP3 pane.
    Control& Label1 = control<Control>("Label1");
    Control& Label2 = control<Control>("Label2");
    Control& Label3 = control<Control>("Label3");
    Button& mp3play = control<Button>("mp3play");
    Button& mp3stop = control<Button>("mp3stop");
    Button& mp3back = control<Button>("mp3back");
    Button& mp3fowrd = control<Button>("mp3fowrd");
    Button& Mp3pause = control<Button>("Mp3pause");
    ListBox& mpsonglist = control<ListBox>("mpsonglist");
    DriveBox& mp3drive = control<DriveBox>("mp3drive");
    DirectoryList& mp3dir = control<DirectoryList>("mp3dir");
    FilterBox& mp3filter = control<FilterBox>("mp3filter");
    FileList& mp3list = control<FileList>("mp3list");

    // The menus.
    MenuItem& Encode1 = control<MenuItem>("Encode1");
    MenuItem& Mixer1 = control<MenuItem>("Mixer1");
    MenuItem& Voice1 = control<MenuItem>("Voice1");
    MenuItem& WaveDelete1 = control<MenuItem>("WaveDelete1");
    MenuItem& WaveRename1 = control<MenuItem>("WaveRename1");
    MenuItem& Mp3Delete1 = control<MenuItem>("Mp3Delete1");
    MenuItem& Mp3Rename1 = control<MenuItem>("Mp3Rename1");
    MenuItem& IndexEdit1 = control<MenuItem>("IndexEdit1");
    MenuItem& IndexEdit2 = control<MenuItem>("IndexEdit2");
    MenuItem& Rename1 = control<MenuItem>("Rename1");
    MenuItem& Delete1 = control<MenuItem>("Delete1");
    MenuItem& Rename2 = control<MenuItem>("Rename2");
    MenuItem& Delete2 = control<MenuItem>("Delete2");
    MenuItem& Setup1 = control<MenuItem>("Setup1");
    MenuItem& Exit1 = control<MenuItem>("Exit1");
    MenuItem& Refresh1 = control<MenuItem>("Refresh1");
    MenuItem& Extensions1 = control<MenuItem>("Extensions1");
    MenuItem& sortmenu = control<MenuItem>("sortmenu");
    MenuItem& Index1 = control<MenuItem>("Index1");
    MenuItem& About1 = control<MenuItem>("About1");
    MenuItem& Mixer2 = control<MenuItem>("Mixer2");
    MenuItem& Setup2 = control<MenuItem>("Setup2");
    MenuItem& Play1 = control<MenuItem>("Play1");
    MenuItem& Play2 = control<MenuItem>("Play2");
    MenuItem& Mixer3 = control<MenuItem>("Mixer3");
    MenuItem& Setup3 = control<MenuItem>("Setup3");
};

}  // namespace zelvio
