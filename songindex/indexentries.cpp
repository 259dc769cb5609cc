#include "songindex/indexentries.h"

namespace zelvio {

namespace {

const std::string& fieldOf(const IndexEntry& entry, IndexField field) {
    switch (field) {
        case IndexField::filename:
            return entry.filename;
        case IndexField::title:
            return entry.title;
        case IndexField::artist:
            return entry.artist;
        case IndexField::length:
            break;
    }
    return entry.length;
}

}  // namespace

void IndexEntries::load(FileSystem& fs, const std::string& path, const std::vector<std::string>& names) {
    lines_ = readindex(fs, path);
    entryline_ = pairentries(lines_, names);
}

std::optional<IndexEntry> IndexEntries::entry(std::size_t file) const {
    const int line = lineOf(file);
    if (line < 0) return std::nullopt;
    return entryat(lines_, line);
}

void IndexEntries::store(std::size_t file, const IndexEntry& entry) {
    const int line = lineOf(file);
    if (line < 0) {
        addentry(lines_, entryline_, file, entry);
        return;
    }
    for (IndexField field : {IndexField::filename, IndexField::title, IndexField::artist, IndexField::length}) {
        storefield(lines_, line, field, fieldOf(entry, field));
    }
}

void IndexEntries::storeField(std::size_t file, IndexField field, const IndexEntry& whole) {
    const int line = lineOf(file);
    if (line < 0) {
        addentry(lines_, entryline_, file, whole);
    } else {
        storefield(lines_, line, field, fieldOf(whole, field));
    }
}

bool IndexEntries::remove(std::size_t file) { return removeentry(lines_, entryline_, file); }

void IndexEntries::save(FileSystem& fs, const std::string& path) const { writeindex(fs, path, lines_); }

}  // namespace zelvio
