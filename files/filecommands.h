#pragma once
// Deleting and renaming files of one directory, by the names its list shows.
// Failures are passed over: the refresh that follows shows what is on disk.

#include <string>
#include <vector>

namespace zelvio {

class FileSystem;

void deleteFiles(FileSystem& fs, const std::string& directory, const std::vector<std::string>& names);

// Renames `name` to `newName`, a plain file name, in the same directory;
// false when the system refused (the name taken, the file in use, gone).
bool renameFile(FileSystem& fs, const std::string& directory, const std::string& name, const std::string& newName);

}  // namespace zelvio
