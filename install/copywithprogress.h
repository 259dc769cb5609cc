#pragma once
// Copying a packed file into place block by block, telling how far it is.

#include <functional>
#include <string>

namespace zelvio {

class FileSystem;

// How far a copy is: the blocks read so far, of the file's whole blocks.
using CopyProgress = std::function<void(int blocksRead, int wholeBlocks)>;

// Copies `source` to `destination` in blocks of 4097 bytes, telling
// `progress` (when given) before the first block and after each one. The
// copy goes to a temporary file beside the destination, which replaces the
// destination only once it is complete; any failure raises InOutError naming
// both files and leaves the destination as it was.
void CopyWithProgress(FileSystem& fs, const std::string& source, const std::string& destination,
                      const CopyProgress& progress = {});

}  // namespace zelvio
