#include "playback/songlines.h"

#include "common/errors.h"
#include "platform/filesystem.h"
#include "playback/songtext.h"
#include "songindex/indexfile.h"
#include "songindex/indexlookup.h"
#include "tags/tagentry.h"

namespace zelvio {

SongLines songListLines(FileSystem& fs, const std::string& directory, const std::vector<std::string>& files) {
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
    const auto add = [&songs](const IndexEntry& entry) {
        songs.lines.push_back(songtext(entry));
        songs.columns.push_back(songColumns(entry));
    };
    for (const std::string& name : files) {
        if (const IndexEntry* entry = index.find(name)) {
            add(*entry);
        } else if (const auto tagged = tagEntry(fs, directory, name)) {
            add(*tagged);
        } else {
            songs.lines.push_back(name);
            songs.columns.emplace_back();
        }
    }
    return songs;
}

}  // namespace zelvio
