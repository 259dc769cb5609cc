#pragma once
// The program's windows as a test reaches them: a window by its class name,
// its controls by their design names, as a user (or the end-to-end driver)
// finds them. The windows keep their controls to themselves.

#include "common/session.h"
#include "platform/application.h"
#include "platform/controls/button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/directory_list.h"
#include "platform/controls/drive_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/file_list.h"
#include "platform/controls/filter_box.h"
#include "platform/controls/gauge.h"
#include "platform/controls/list_box.h"
#include "platform/controls/memo.h"
#include "platform/controls/menu_item.h"
#include "platform/form.h"

#include <stdexcept>
#include <string>

namespace zelvio {

// The window of this class name; a missing one is a mistake of the test.
inline Form& findWindow(const Application& app, const std::string& name) {
    for (Form* form : app.forms()) {
        if (form->name() == name) return *form;
    }
    throw std::logic_error("no window " + name);
}

// What every window offers a test: the window itself and its form's own calls.
struct WindowView {
    Form& window;

    template <class Kind>
    Kind& control(const std::string& name) const {
        return window.control<Kind>(name);
    }
    Control& operator[](const std::string& name) const { return window[name]; }
    const std::string& caption() const { return window.caption(); }
    Rect bounds() const { return window.bounds(); }
    void setBounds(Rect bounds) const { window.setBounds(bounds); }
    Size clientSize() const { return window.clientSize(); }
    bool visible() const { return window.visible(); }
    bool modal() const { return window.modal(); }
    void show() const { window.show(); }
    void close() const { window.close(); }
    void requestClose() const { window.requestClose(); }
    void activated() const { window.activated(); }
    void pressKey(char key) const { window.pressKey(key); }
    Control* focusedControl() const { return window.focusedControl(); }
    const auto& controls() const { return window.controls(); }
};

// The main window, with the session whose settings and directories it shows.
struct MainWindowView : WindowView {
    MainWindowView(Form& form, Session& session) : WindowView{form}, session(session) {}
    Session& session;
    Settings& settings = session.settings;
    bool& settingsvalid = session.settingsvalid;
    std::string& startdir = session.startdir;
    std::string& programdir = session.programdir;
    std::string& workdir = session.workdir;

    Control& Bevel1 = control<Control>("Bevel1");
    Control& Label1 = control<Control>("Label1");
    Button& configbutt = control<Button>("configbutt");
    Button& compilebutt = control<Button>("compilebutt");
    Button& Voicebutt = control<Button>("Voicebutt");
    Button& recplay = control<Button>("recplay");
    Button& recstop = control<Button>("recstop");
    Button& recback = control<Button>("recback");
    Button& recfwd = control<Button>("recfwd");
    Button& mp3play = control<Button>("mp3play");
    FileList& recfilelist = control<FileList>("recfilelist");
    DriveBox& recdrive = control<DriveBox>("recdrive");
    DirectoryList& recdir = control<DirectoryList>("recdir");
    FilterBox& recfilter = control<FilterBox>("recfilter");
    ListBox& mpsonglist = control<ListBox>("mpsonglist");
    Button& mp3stop = control<Button>("mp3stop");
    DriveBox& mp3drive = control<DriveBox>("mp3drive");
    DirectoryList& mp3dir = control<DirectoryList>("mp3dir");
    FilterBox& mp3filter = control<FilterBox>("mp3filter");
    FileList& mp3list = control<FileList>("mp3list");
    MenuItem& Encode1 = control<MenuItem>("Encode1");
    MenuItem& Mixer1 = control<MenuItem>("Mixer1");
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
    MenuItem& Exit1 = control<MenuItem>("Exit1");
    MenuItem& Refresh1 = control<MenuItem>("Refresh1");
    MenuItem& Extensions1 = control<MenuItem>("Extensions1");
    MenuItem& sortmenu = control<MenuItem>("sortmenu");
    MenuItem& About1 = control<MenuItem>("About1");
};

struct InformationView : WindowView {
    explicit InformationView(Form& form) : WindowView{form} {}
    Control& playingtxt = control<Control>("playingtxt");
    Control& wavtxt = control<Control>("wavtxt");
    Control& Cdtxt = control<Control>("Cdtxt");
    Button& donebutt = control<Button>("donebutt");
    Button& showoutputbutt = control<Button>("showoutputbutt");
    Memo& outputmemo = control<Memo>("outputmemo");
};

struct IndexDataView : WindowView {
    explicit IndexDataView(Form& form) : WindowView{form} {}
    ListBox& FileList = control<ListBox>("FileList");
    Edit& indexedit = control<Edit>("indexedit");
    Edit& compressname = control<Edit>("compressname");
    Edit& songedit = control<Edit>("songedit");
    Button& Button1 = control<Button>("Button1");
    CheckBox& addindexchq = control<CheckBox>("addindexchq");
    CheckBox& KillTempcheck = control<CheckBox>("KillTempcheck");
    CheckBox& RipCdCheck = control<CheckBox>("RipCdCheck");
    Button& compresnow = control<Button>("compresnow");
    Button& saveindex = control<Button>("saveindex");
    Button& Okbutt = control<Button>("Okbutt");
    Button& stopbutt = control<Button>("stopbutt");
};

struct IndexEditorView : WindowView {
    explicit IndexEditorView(Form& form) : WindowView{form} {}
    Edit& Filenameedit = control<Edit>("Filenameedit");
    Edit& Songnameedit = control<Edit>("Songnameedit");
    Edit& Artistnameedit = control<Edit>("Artistnameedit");
    Edit& lengthedit = control<Edit>("lengthedit");
    ListBox& filelist = control<ListBox>("filelist");
    Button& okbutt = control<Button>("okbutt");
    Button& cancelbutt = control<Button>("cancelbutt");
    Button& Removebutt = control<Button>("Removebutt");
};

struct VoiceRecorderView : WindowView {
    explicit VoiceRecorderView(Form& form) : WindowView{form} {}
    Button& recordvoicebutt = control<Button>("recordvoicebutt");
    Button& Stopvoicebutt = control<Button>("Stopvoicebutt");
    Button& playvoicebutt = control<Button>("playvoicebutt");
    Button& Compressvoicebutt = control<Button>("Compressvoicebutt");
    Edit& mpnameedit = control<Edit>("mpnameedit");
    Button& okbutt = control<Button>("okbutt");
};

struct RenameDialogView : WindowView {
    explicit RenameDialogView(Form& form) : WindowView{form} {}
    Edit& oldnameedit = control<Edit>("oldnameedit");
    Edit& newnameedit = control<Edit>("newnameedit");
    Button& Okbutt = control<Button>("Okbutt");
    Button& CancelButt = control<Button>("CancelButt");
};

struct SettingsDialogView : WindowView {
    explicit SettingsDialogView(Form& form) : WindowView{form} {}
    Edit& encodeflagedit = control<Edit>("encodeflagedit");
    Edit& Dacommandedit = control<Edit>("Dacommandedit");
};

struct InstallWindowView : WindowView {
    explicit InstallWindowView(Form& form) : WindowView{form} {}
    Button& nextbutt = control<Button>("nextbutt");
    Button& Closebutt = control<Button>("Closebutt");
    Memo& Memo1 = control<Memo>("Memo1");
    Control& Label6 = control<Control>("Label6");
    Control& Label8 = control<Control>("Label8");
    Control& Label9 = control<Control>("Label9");
    Edit& playeredit = control<Edit>("playeredit");
    DirectoryList& directory = control<DirectoryList>("directory");
    Gauge& Gauge1 = control<Gauge>("Gauge1");
};

}  // namespace zelvio
