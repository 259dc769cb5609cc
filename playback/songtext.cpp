#include "playback/songtext.h"

#include "common/textencoding.h"
#include "playback/songcolumns.h"

namespace zelvio {

namespace {

// The spaces that pad `text` to `width` characters (not bytes: titles may be in any script).
std::size_t padding(const std::string& text, std::size_t width) {
    const std::size_t characters = characterCount(text);
    return characters < width ? width - characters : 0;
}

}  // namespace

std::string songtext(const IndexEntry& entry) {
    std::string line;
    for (const SongColumn& column : songColumnTable) {
        const std::string& text = entry.*column.field;
        line += text;
        line.append(padding(text, column.width), ' ');
    }
    return line;
}

std::vector<std::size_t> songColumns(const IndexEntry& entry) {
    std::vector<std::size_t> starts;
    std::size_t start = 0;
    for (std::size_t column = 0; column + 1 < songColumnTable.size(); ++column) {
        const std::string& text = entry.*songColumnTable[column].field;
        start += text.size() + padding(text, songColumnTable[column].width);
        starts.push_back(start);
    }
    return starts;
}

}  // namespace zelvio
