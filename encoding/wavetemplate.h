#pragma once
// The wave file written before every recording: one sample frame of CD
// quality (44,100 Hz, 16 bits, stereo), which tells the wave device the
// format to record in.

#include <string>
#include <string_view>

namespace zelvio {

class FileSystem;

// The 48 bytes.
std::string_view WaveTemplate();

// Deletes any file at the path, then puts the template there whole: when
// writing it fails there is no file at the path, and the error is raised.
void writeWaveTemplate(FileSystem& fs, const std::string& path);

}  // namespace zelvio
