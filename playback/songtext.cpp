#include "playback/songtext.h"

#include "common/textencoding.h"

namespace zelvio {

namespace {

constexpr std::size_t titleWidth = 32, artistWidth = 19;

// The spaces that pad `text` to `width` characters (not bytes: titles may be in any script).
std::size_t padding(const std::string& text, std::size_t width) {
    const std::size_t characters = characterCount(text);
    return characters < width ? width - characters : 0;
}

}  // namespace

std::string songtext(const IndexEntry& entry) {
    std::string line;
    line.reserve(entry.title.size() + entry.artist.size() + entry.length.size() + titleWidth + artistWidth);
    line += entry.title;
    line.append(padding(entry.title, titleWidth), ' ');
    line += entry.artist;
    line.append(padding(entry.artist, artistWidth), ' ');
    line += entry.length;
    return line;
}

std::vector<std::size_t> songColumns(const IndexEntry& entry) {
    const std::size_t artist = entry.title.size() + padding(entry.title, titleWidth);
    return {artist, artist + entry.artist.size() + padding(entry.artist, artistWidth)};
}

}  // namespace zelvio
