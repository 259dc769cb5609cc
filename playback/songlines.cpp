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
    for (const std::string& name : files) {
        if (const IndexEntry* entry = index.find(name)) {
            songs.lines.push_back(songtext(*entry));
        } else if (const auto tagged = tagEntry(fs, directory, name)) {
            songs.lines.push_back(songtext(*tagged));
        } else {
            songs.lines.push_back(name);
        }
    }
    return songs;
}

}  // namespace zelvio
