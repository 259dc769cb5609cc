#pragma once
// Deleting files as Explorer does: to the Recycle Bin, through the shell's
// file operation.

#include "common/filesystem.h"

#include <string>
#include <vector>

namespace zelvio {

// FileSystem::recycleFiles for full paths, of any length.
std::vector<RecycleResult> recycleToBin(const std::vector<std::wstring>& paths);

}  // namespace zelvio
