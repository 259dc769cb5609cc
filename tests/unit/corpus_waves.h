#pragma once
// The wave files of the test corpus (tests/corpus/waves), read where they lie.

#include <fstream>
#include <sstream>
#include <string>

namespace zelvio {

inline const std::string corpusWaves = ZELVIO_SOURCE_DIR "/tests/corpus/waves/";

// The file's bytes; none when it cannot be read.
inline std::string corpusWave(const std::string& name) {
    std::ifstream file(corpusWaves + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace zelvio
