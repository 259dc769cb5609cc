#pragma once
// How the song index compares MP3 file names: ASCII letters without regard
// to case, every other byte (spaces, underscores, bytes of 128 and up) exactly.

#include <string>
#include <string_view>

namespace zelvio {

// The name with A-Z turned into a-z and nothing else changed.
std::string foldindexname(std::string_view name);

bool sameindexname(std::string_view a, std::string_view b);

}  // namespace zelvio
