#pragma once
// The index editor: title, artist and length of MP3 files that exist, kept
// in a working copy of the directory's index until OK writes it back.

#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/form.h"
#include "songindex/indexfile.h"
#include "songindex/workingcopy.h"

#include <string>
#include <vector>

namespace zelvio {

class MainProgram;

class Tindexeditor : public Form {
public:
    explicit Tindexeditor(MainProgram& program);

    MainProgram& program;

    WorkingCopy indexlist;
    std::vector<int> entryline;  // for file i of the list, the line its entry begins at; -1: none
    std::string indexpath;       // fixed when the editor is shown

    void loadindex();
    void showentry();
    void FormShow();
    void FormKeyPress(char& key);
    void filelistClick();
    void SongnameeditExit();
    void ArtistnameeditExit();
    void lengtheditExit();
    void RemovebuttClick();
    void okbuttClick();
    void cancelbuttClick();

    Edit& Filenameedit = control<Edit>("Filenameedit");
    Edit& Songnameedit = control<Edit>("Songnameedit");
    Edit& Artistnameedit = control<Edit>("Artistnameedit");
    Edit& lengthedit = control<Edit>("lengthedit");
    ListBox& filelist = control<ListBox>("filelist");
    Button& okbutt = control<Button>("okbutt");
    Button& cancelbutt = control<Button>("cancelbutt");
    Button& Removebutt = control<Button>("Removebutt");

private:
    // Stores one field of the current file, as leaving its edit does.
    void store(IndexField field);
};

}  // namespace zelvio
