#include "playback/songtext.h"

#include "common/textencoding.h"

namespace zelvio {

namespace {

// Appends the text with spaces up to `width` characters (not bytes: titles may be in any script).
void appendPadded(std::string& line, const std::string& text, std::size_t width) {
    line += text;
    const std::size_t characters = characterCount(text);
    if (characters < width) line.append(width - characters, ' ');
}

}  // namespace

std::string songtext(const IndexEntry& entry) {
    std::string line;
    line.reserve(entry.title.size() + entry.artist.size() + entry.length.size() + 32 + 19);
    appendPadded(line, entry.title, 32);
    appendPadded(line, entry.artist, 19);
    line += entry.length;
    return line;
}

}  // namespace zelvio
