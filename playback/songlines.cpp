#include "playback/songlines.h"

#include "common/errors.h"
#include "common/filesystem.h"
#include "playback/songtext.h"
#include "songindex/indexfile.h"
#include "songindex/indexlookup.h"
#include "tags/tagentry.h"

namespace zelvio {

namespace {

SongLine entryLine(const IndexEntry& entry) { return {songtext(entry), songColumns(entry)}; }

}  // namespace

SongLines songListLines(FileSystem& fs, const std::string& directory, const std::vector<std::string>& files,
                        std::size_t rowsTaggedNow) {
    SongLines songs;
    const std::string indexPath = indexfilename(directory);
    IndexLookup index{WorkingCopy{}};
    if (fs.fileExists(indexPath)) {
        try {
            index = IndexLookup(fs, indexPath);
        } catch (const InOutError& error) {
            songs.unreadableIndex = error.what();
        }
    }
    songs.lines.reserve(files.size());
    songs.columns.reserve(files.size());
    for (std::size_t row = 0; row < files.size(); ++row) {
        const std::string& name = files[row];
        std::optional<SongLine> line;
        if (const IndexEntry* entry = index.find(name)) {
            line = entryLine(*entry);
        } else if (row < rowsTaggedNow) {
            line = taggedLine(fs, directory, name);
        } else {
            songs.unreadTags.push_back(row);
        }
        if (!line) line = SongLine{name, {}};
        songs.lines.push_back(std::move(line->text));
        songs.columns.push_back(std::move(line->columns));
    }
    return songs;
}

std::optional<SongLine> taggedLine(FileSystem& fs, const std::string& directory, const std::string& file) {
    const auto tagged = tagEntry(fs, directory, file);
    if (!tagged) return std::nullopt;
    return entryLine(*tagged);
}

}  // namespace zelvio
