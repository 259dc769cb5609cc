#pragma once
// What the song list shows for the MP3 files of a directory, line for line:
// a file's last index entry; for a file the index does not name, its ID3
// tag's title, artist and length; for a file with neither, its bare name.

#include <optional>
#include <string>
#include <vector>

namespace zelvio {

class FileSystem;

struct SongLines {
    std::vector<std::string> lines;  // one for each file, in the files' order
    // For each line, where its artist and length columns begin; none for a bare name.
    std::vector<std::vector<std::size_t>> columns;
    // The system's text when "index.dat" is there but cannot be read; the
    // lines are then the bare names, as for a directory without an index.
    std::optional<std::string> unreadableIndex;
};

// One read of the index for the whole list; a file's tag is read only when
// the index does not name it.
SongLines songListLines(FileSystem& fs, const std::string& directory, const std::vector<std::string>& files);

}  // namespace zelvio
