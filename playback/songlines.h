#pragma once
// What the song list shows for the MP3 files of a directory, line for line:
// a file's last index entry; for a file the index does not name, its ID3
// tag's title, artist and length; for a file with neither, its bare name.

#include <cstddef>
#include <limits>
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
    // The rows whose tags are still to be read (taggedLine), in order; each
    // holds its bare name meanwhile.
    std::vector<std::size_t> unreadTags;
};

// One read of the index for the whole list. A file's tag is read only when
// the index does not name it, and at once only in the first `rowsTaggedNow`
// rows: opening every file of a big folder would keep the list from showing.
SongLines songListLines(FileSystem& fs, const std::string& directory, const std::vector<std::string>& files,
                        std::size_t rowsTaggedNow = std::numeric_limits<std::size_t>::max());

struct SongLine {
    std::string text;
    std::vector<std::size_t> columns;
};

// The line a file's tag gives it; none when the file has no tag.
std::optional<SongLine> taggedLine(FileSystem& fs, const std::string& directory, const std::string& file);

}  // namespace zelvio
