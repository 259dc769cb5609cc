#pragma once
// The entry editor both index dialogs are built on: a list of files, the four
// fields of the entry of the file chosen in it, and the working copy of the
// index they edit. Choosing a file shows its entry (or the entry offered for
// it, or a blank one) and puts the focus in the first field the user types in.

#include "common/indexentry.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "songindex/indexentries.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelvio {

class FileSystem;

class EntryEditor {
public:
    struct Fields {
        Edit& filename;
        Edit& title;
        Edit& artist;
        Edit& length;
    };
    // What the fields show for a file and its entry, if it has one.
    using Shown = std::function<IndexEntry(const std::string& file, const std::optional<IndexEntry>& entry)>;
    // `first` is the field that takes the focus when a file comes up.
    EntryEditor(ListBox& files, Fields fields, Edit& first, Shown shown);

    // Reads the index at `path` and pairs each file, by `pairingName`, with its entry.
    void load(FileSystem& fs, const std::string& path,
              const std::function<std::string(const std::string& file)>& pairingName);
    // The first file comes up, or none when the list is empty.
    void showFirst();
    // The chosen file comes up.
    void showentry();
    void fileChosen();

    // Entries offered for files without one (what their tags say): shown in
    // the fields, and in the working copy only once accepted.
    void setOffers(std::vector<std::optional<IndexEntry>> offers) { offers_ = std::move(offers); }
    // The user would rather not have the file's offer.
    void declineOffer(std::size_t file);
    // Each offer still standing becomes its file's entry, in file order.
    void acceptOffers();

    // The file chosen in the list, if any.
    std::optional<std::size_t> current() const;
    // What the fields hold now.
    IndexEntry typed() const;

    IndexEntries& entries() { return entries_; }
    const IndexEntries& entries() const { return entries_; }

private:
    ListBox& files_;
    Fields fields_;
    Edit& first_;
    Shown shown_;
    IndexEntries entries_;
    std::vector<std::optional<IndexEntry>> offers_;  // by file
};

}  // namespace zelvio
