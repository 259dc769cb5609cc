#pragma once
// The index editor: title, artist and length of MP3 files that exist, kept
// in a working copy of the directory's index until OK writes it back. A file
// without an entry is offered its ID3 tag's, which OK stores unless declined.

#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/form.h"
#include "songindex/entryeditor.h"

#include <string>
#include <vector>

namespace zelvio {

class Application;

class Tindexeditor : public Form {
public:
    explicit Tindexeditor(Application& app);

    // Shows the editor modally for these files of the directory.
    void editFiles(std::vector<std::string> files, const std::string& directory);

    // The working copy, as it stands.
    const IndexEntries& entries() const { return editor_.entries(); }
    const std::string& indexpath() const { return indexpath_; }

private:
    void loadindex();
    void FormShow();
    void FormKeyPress(char& key);
    void filelistClick();
    void SongnameeditExit();
    void ArtistnameeditExit();
    void lengtheditExit();
    void RemovebuttClick();
    void okbuttClick();
    void cancelbuttClick();
    // Stores one field of the current file, as leaving its edit does.
    void store(IndexField field);

    std::string directory_;  // the files' directory
    std::string indexpath_;  // fixed when the editor is shown
    Edit& Songnameedit = control<Edit>("Songnameedit");
    Edit& Artistnameedit = control<Edit>("Artistnameedit");
    Edit& lengthedit = control<Edit>("lengthedit");
    ListBox& filelist = control<ListBox>("filelist");
    EntryEditor editor_;
};

}  // namespace zelvio
