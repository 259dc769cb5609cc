#pragma once
// Deleting and renaming files of one directory, by the names its list shows.
// Failures are passed over: the refresh that follows shows what is on disk.

#include "common/filesystem.h"

#include <string>
#include <vector>

namespace zelvio {

// Moves the files to the Recycle Bin in one operation (where the drive keeps
// none, the system asks first); what became of each, in the order of `names`.
std::vector<RecycleResult> deleteFiles(FileSystem& fs, const std::string& directory,
                                       const std::vector<std::string>& names);

// Renames `name` to `newName`, a plain file name, in the same directory;
// false when the system refused (the name taken, the file in use, gone).
bool renameFile(FileSystem& fs, const std::string& directory, const std::string& name, const std::string& newName);

}  // namespace zelvio
