#pragma once
// Editing a song index in memory: the working copy (the file's lines) and the
// pairing table `entryline`, whose slot i holds the line where the entry of
// file i of a dialog's list begins, or -1 when that file has no entry.
//
// Entry k begins at line 4k. The last entry of a damaged index may be cut
// short; its missing lines read as "" and are added when it is stored into.

#include "common/indexentry.h"
#include "songindex/indexfile.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zelvio {

enum class IndexField { filename = 0, title = 1, artist = 2, length = 3 };

// One slot per name; each slot the entry with that name nearest the end of
// the copy. Only file-name lines pair.
std::vector<int> pairentries(const WorkingCopy& lines, const std::vector<std::string>& names);

// Reading and storing the entry beginning at `entryLine`. A line that is not
// the start of an entry raises std::out_of_range; a value holding a line
// break raises std::invalid_argument, as it would split the entry in the file.
std::string readfield(const WorkingCopy& lines, int entryLine, IndexField field);
IndexEntry entryat(const WorkingCopy& lines, int entryLine);
void storefield(WorkingCopy& lines, int entryLine, IndexField field, const std::string& value);

// Appends a new entry for file `file` and points its slot at it.
void addentry(WorkingCopy& lines, std::vector<int>& entryline, std::size_t file, const IndexEntry& entry);

// Deletes the entry of file `file`; false when that file has no entry. Slots
// behind it move up with their entries; slots that shared it become -1.
bool removeentry(WorkingCopy& lines, std::vector<int>& entryline, std::size_t file);

}  // namespace zelvio
