#pragma once
// The index entry editor that both index dialogs are built on: a working copy
// of one song index and, for each file of the dialog's list, the line its
// entry begins at. Nothing reaches the index file before save().

#include "common/indexentry.h"
#include "songindex/indexfile.h"
#include "songindex/workingcopy.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zelvio {

class FileSystem;

class IndexEntries {
public:
    // Reads the index at `path` (none there: no entries yet) and pairs each
    // of `names` with the last entry of that name.
    void load(FileSystem& fs, const std::string& path, const std::vector<std::string>& names);

    // The entry of file `file` of the list; none when it has none.
    std::optional<IndexEntry> entry(std::size_t file) const;
    // Stores a whole entry for the file: over its entry, or as a new one.
    void store(std::size_t file, const IndexEntry& entry);
    // Stores one field of the file's entry, or, when it has none yet, `whole`
    // as its new entry.
    void storeField(std::size_t file, IndexField field, const IndexEntry& whole);
    // Deletes the file's entry; false when it has none.
    bool remove(std::size_t file);
    // Replaces the index file with the working copy, whole or not at all.
    void save(FileSystem& fs, const std::string& path) const;

    const WorkingCopy& lines() const { return lines_; }
    const std::vector<int>& entryline() const { return entryline_; }

private:
    int lineOf(std::size_t file) const { return file < entryline_.size() ? entryline_[file] : -1; }

    WorkingCopy lines_;
    std::vector<int> entryline_;
};

}  // namespace zelvio
