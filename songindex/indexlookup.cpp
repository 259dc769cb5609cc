#include "songindex/indexlookup.h"

#include "songindex/indexname.h"
#include "songindex/workingcopy.h"

namespace zelvio {

IndexLookup::IndexLookup(const WorkingCopy& lines) {
    // Later entries overwrite earlier ones, so the last of each name stays.
    for (std::size_t first = 0; first < lines.size(); first += 4) {
        lastEntryByName_[foldindexname(lines[first])] = entryat(lines, static_cast<int>(first));
    }
}

IndexLookup::IndexLookup(FileSystem& fs, const std::string& path) : IndexLookup(readindex(fs, path)) {}

std::optional<IndexEntry> IndexLookup::find(const std::string& name) const {
    const auto found = lastEntryByName_.find(foldindexname(name));
    if (found == lastEntryByName_.end()) return std::nullopt;
    return found->second;
}

}  // namespace zelvio
