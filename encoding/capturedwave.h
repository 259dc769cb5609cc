#pragma once
// What a CD capture or a voice recording left in its wave file. The wave
// template is written before every capture, so a capture that got no sound
// leaves a file all the same: one that holds no samples beyond the template's.

#include <string>

namespace zelvio {

class FileSystem;

enum class CapturedWave { Missing, Empty, Sound };

CapturedWave capturedWave(FileSystem& fs, const std::string& path);

}  // namespace zelvio
