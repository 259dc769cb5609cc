#include "songindex/indexlookup.h"

#include "songindex/indexname.h"

namespace zelvio {

IndexLookup::IndexLookup(WorkingCopy lines) {
    // A cut-short last entry reads its missing lines as empty, as entryat does.
    lines.resize((lines.size() + 3) / 4 * 4);
    entries_.reserve(lines.size() / 4);
    lastEntryByName_.reserve(lines.size() / 4);
    for (std::size_t first = 0; first < lines.size(); first += 4) {
        // Later entries overwrite earlier ones, so the last of each name stays.
        lastEntryByName_[foldindexname(lines[first])] = entries_.size();
        entries_.push_back({std::move(lines[first]), std::move(lines[first + 1]), std::move(lines[first + 2]),
                            std::move(lines[first + 3])});
    }
}

IndexLookup::IndexLookup(FileSystem& fs, const std::string& path) : IndexLookup(readindex(fs, path)) {}

const IndexEntry* IndexLookup::find(std::string_view name) const {
    const auto found = lastEntryByName_.find(foldindexname(name));
    return found == lastEntryByName_.end() ? nullptr : &entries_[found->second];
}

}  // namespace zelvio
