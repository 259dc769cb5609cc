#pragma once
// What a file's ID3 tag offers where the song index says nothing of it: an
// entry made of the tag's title, artist and length, under the file's name.

#include "common/indexentry.h"

#include <optional>
#include <string>

namespace zelvio {

class FileSystem;

// The entry for `file` of `directory` from its tag; none without a tag.
std::optional<IndexEntry> tagEntry(FileSystem& fs, const std::string& directory, const std::string& file);

}  // namespace zelvio
