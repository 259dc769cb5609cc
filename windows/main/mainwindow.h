#pragma once
// The main window: the wave pane above, the MP3 pane below, the command
// buttons, the menus and the two pop-up menus. It shows the session's
// directories and settings, and asks the other windows for what it cannot
// do itself through the links the composition root gives it.

#include "common/progress.h"
#include "common/session.h"
#include "platform/controls/button.h"
#include "platform/controls/directory_list.h"
#include "platform/controls/drive_box.h"
#include "platform/controls/file_list.h"
#include "platform/controls/filter_box.h"
#include "platform/controls/list_box.h"
#include "platform/controls/menu_item.h"
#include "platform/form.h"
#include "playback/waveplayer.h"

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelvio {

class Application;
struct SettingsFile;

class TForm1 : public Form {
public:
    // What the main window asks of the other windows.
    struct Links {
        std::function<void()> showSettings;
        std::function<void()> showAbout;
        std::function<void()> showVoiceRecorder;
        // A plain new name for the file, or empty to leave it.
        std::function<std::string(const std::string& name)> askNewName;
        // The index data dialog for the files, their CD tracks and the MP3 directory's index.
        std::function<void(std::vector<std::string> files, std::vector<int> tracks, const std::string& indexPath)>
            encodeFiles;
        // The index editor for these files of the MP3 directory.
        std::function<void(std::vector<std::string> files, const std::string& directory)> editIndex;
        // Every window's controls back to their idle state, after an error.
        std::function<void()> resetAllToIdle;
    };

    TForm1(Application& app, Session& session, Progress& information, Links links);

    // Reads the MP3 directory again: new files were made there.
    void showNewMp3s() { mp3dir.update(); }
    // Play on; Stop, Back and Fwd off.
    void resetToIdle();

private:
    // Start-up, first run and close.
    void FormCreate();
    void FormActivate();
    // Saves the settings; true when the window may close.
    bool FormCloseQuery();
    void CustomException(const std::exception& error);
    void FormResize();
    void ReadSettingsFile();
    void WriteSettingsFile();
    // Points the browsers at the file's directories; the first that was gone.
    std::exception_ptr showDirectories(const SettingsFile& file);

    // The wave pane.
    void CheckAudioCd();
    void PlaySelection();
    void recstopClick();
    void recbackClick();
    void recfwdClick();
    void recpauseClick();

    // The MP3 pane.
    void BuildSongList();
    // Reads the tags the song list still lacks, a few at a time, while the
    // window has nothing else to do.
    void askForTags();
    void readSomeTags();
    // The files of the selected songs, in list order; none when the song
    // list no longer matches the file list line for line.
    std::optional<std::vector<std::string>> selectedSongFiles() const;
    void PlaySongs();

    // Commands.
    void Exit1Click();
    void Index1Click();
    void Extensions1Click();
    void About1Click();
    void Encode();
    void compilebuttclick();
    void Encode1Click();
    void IndexEdit();
    void deletewaves();
    void renamewaves();
    void deletemp3s();
    void renamemp3s();
    void refreshWaves();
    void refreshMp3s();
    void startMixer();
    // Starts an outside program (`what`: "the mixer", "the player") without
    // waiting; a failed start is told in a warning with the system's reason.
    void startOutside(const std::string& commandLine, const std::string& what, const std::string& directory);
    void notYetImplemented();
    void sortmenuClick();
    void RefreshAll();

    Session& session_;
    Progress& information_;
    Links links_;
    WavePlayer player_;
    std::vector<std::string> songFiles_;  // the files the song list's lines stand for
    std::string songDirectory_;           // and their directory
    std::vector<std::size_t> unreadTags_;  // rows still showing a bare name for want of their tag
    std::size_t nextUnreadTag_ = 0;
    bool tagStepAsked_ = false;

    // The command row.
    Control& Bevel1 = control<Control>("Bevel1");
    Control& Bevel2 = control<Control>("Bevel2");
    Button& configbutt = control<Button>("configbutt");

    // The wave pane.
    Button& recplay = control<Button>("recplay");
    Button& recstop = control<Button>("recstop");
    Button& recback = control<Button>("recback");
    Button& recfwd = control<Button>("recfwd");
    FileList& recfilelist = control<FileList>("recfilelist");
    DriveBox& recdrive = control<DriveBox>("recdrive");
    DirectoryList& recdir = control<DirectoryList>("recdir");
    FilterBox& recfilter = control<FilterBox>("recfilter");

    // The MP3 pane.
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

    MenuItem& sortmenu = control<MenuItem>("sortmenu");
};

}  // namespace zelvio
