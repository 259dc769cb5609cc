#pragma once
// A song's title, artist and length from the ID3v2 tag (v2.2, v2.3 or v2.4)
// at a file's start, read one frame at a time as careful players read it: a
// malformed, unknown, empty, compressed or encrypted frame costs that frame
// only, never the frames after it.

#include <cstddef>
#include <string>
#include <string_view>

namespace zelvio {

struct Id3v2Song {
    std::string title;   // the texts of every TIT2 frame (v2.2: TT2), joined by " / "
    std::string artist;  // likewise of TPE1 (TP1)
    std::string length;  // the first text of TLEN (TLE): milliseconds, if the tagger wrote them right
};

// The size of the ID3v2 tag `start` begins with, header and footer
// included; 0 when its first 10 bytes are no ID3v2 tag header.
std::size_t id3v2TagSize(std::string_view start);

// What the tag `tag` begins with says; empty when it begins with none. A tag
// cut short (by the file's end) is read as far as it goes, and a frame that
// runs past the tag's end ends there: a text frame's text comes first.
Id3v2Song readId3v2Song(std::string_view tag);

}  // namespace zelvio
