#include "tags/tagentry.h"

#include "common/paths.h"
#include "tags/songtag.h"

namespace zelvio {

std::optional<IndexEntry> tagEntry(FileSystem& fs, const std::string& directory, const std::string& file) {
    const auto tag = readSongTag(fs, AddBackslash(directory) + file);
    if (!tag) return std::nullopt;
    return IndexEntry{file, tag->title, tag->artist, tag->length};
}

}  // namespace zelvio
