#pragma once
// Copying a packed file into place block by block, with its progress on a gauge.

#include <string>

namespace zelvio {

class FileSystem;
class Gauge;

// Copies `source` to `destination` in blocks of 4097 bytes. With a gauge,
// its maximum becomes the number of whole blocks and its position follows
// the blocks read. The copy goes to a temporary file beside the destination,
// which replaces the destination only once it is complete; any failure
// raises InOutError naming both files and leaves the destination as it was.
void CopyWithProgress(FileSystem& fs, const std::string& source, const std::string& destination, Gauge* gauge);

}  // namespace zelvio
