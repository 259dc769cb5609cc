#pragma once
// The song index read once and asked for many names: the song list looks up
// every MP3 file of a directory without reading the index again for each.
// Answers exactly as lookupentry does.

#include "common/indexentry.h"
#include "songindex/indexfile.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace zelvio {

class FileSystem;

class IndexLookup {
public:
    explicit IndexLookup(const WorkingCopy& lines);
    // Reads the index at `path` once; no index means no entries.
    IndexLookup(FileSystem& fs, const std::string& path);

    // The last entry named `name`, or none.
    std::optional<IndexEntry> find(const std::string& name) const;

private:
    std::unordered_map<std::string, IndexEntry> lastEntryByName_;  // by ASCII-lower-cased name
};

}  // namespace zelvio
