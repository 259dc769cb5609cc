#pragma once
// The song index "index.dat" of an MP3 directory: four lines per entry (file
// name, title, artist, length), entry after entry, CR LF line ends. The
// dialogs hold it as a working copy: exactly the file's lines, in order.

#include "common/indexentry.h"

#include <optional>
#include <string>
#include <vector>

namespace zelvio {

class FileSystem;

using WorkingCopy = std::vector<std::string>;

// Where the index of the directory lives: C:\ gives C:\index.dat, C:\MUSIC
// gives C:\MUSIC\index.dat.
std::string indexfilename(const std::string& directory);

// Every line of the index; an empty copy when there is no index yet.
WorkingCopy readindex(FileSystem& fs, const std::string& path);

// Replaces the index with the working copy. The old index stays as it was
// until the new one is complete, so a failed write loses nothing.
void writeindex(FileSystem& fs, const std::string& path, const WorkingCopy& lines);

// The last entry of the index named `name`, reading the whole file. None
// when there is no such entry or no index.
std::optional<IndexEntry> lookupentry(FileSystem& fs, const std::string& path, const std::string& name);

}  // namespace zelvio
