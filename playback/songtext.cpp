#include "playback/songtext.h"

#include "common/textencoding.h"

namespace zelvio {

namespace {

// The text with spaces up to `width` characters (not bytes: titles may be in any script).
std::string padded(const std::string& text, std::size_t width) {
    const std::size_t characters = characterCount(text);
    return characters >= width ? text : text + std::string(width - characters, ' ');
}

}  // namespace

std::string songtext(const IndexEntry& entry) {
    return padded(entry.title, 32) + padded(entry.artist, 19) + entry.length;
}

}  // namespace zelvio
