#include "songindex/indexfile.h"

#include "common/filesystem.h"
#include "common/textfile.h"
#include "songindex/indexname.h"

namespace zelvio {

// The browser names a drive root with its "\" (C:\) and any other directory
// without one (C:\MUSIC).
std::string indexfilename(const std::string& directory) {
    return directory.size() == 3 ? directory + "index.dat" : directory + "\\index.dat";
}

WorkingCopy readindex(FileSystem& fs, const std::string& path) {
    if (!fs.fileExists(path)) return {};
    return readAllLines(fs, path);
}

void writeindex(FileSystem& fs, const std::string& path, const WorkingCopy& lines) {
    replaceWithLines(fs, path, lines);
}

std::optional<IndexEntry> lookupentry(FileSystem& fs, const std::string& path, const std::string& name) {
    if (!fs.fileExists(path)) return std::nullopt;
    auto reader = fs.openText(path);
    std::optional<IndexEntry> found;
    IndexEntry group;
    while (reader->readLine(group.filename)) {
        // A group cut short by the end of the file gets empty lines.
        group.title = readLineOrEmpty(*reader);
        group.artist = readLineOrEmpty(*reader);
        group.length = readLineOrEmpty(*reader);
        if (sameindexname(group.filename, name)) found = group;
    }
    return found;
}

}  // namespace zelvio
