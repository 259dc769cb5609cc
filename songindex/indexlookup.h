#pragma once
// The song index read once and asked for many names: the song list looks up
// every MP3 file of a directory without reading the index again for each.
// Answers exactly as lookupentry does.

#include "common/indexentry.h"
#include "songindex/indexfile.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zelvio {

class FileSystem;

class IndexLookup {
public:
    explicit IndexLookup(WorkingCopy lines);
    // Reads the index at `path` once; no index means no entries.
    IndexLookup(FileSystem& fs, const std::string& path);

    // The last entry named `name`, or null; it lives as long as the lookup.
    const IndexEntry* find(std::string_view name) const;

private:
    std::vector<IndexEntry> entries_;
    std::unordered_map<std::string, std::size_t> lastEntryByName_;  // by ASCII-lower-cased name
};

}  // namespace zelvio
