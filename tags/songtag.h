#pragma once
// The ID3 tags of MP3 files, which every other player reads: a song's title,
// artist and length. The rest of the program knows them only through here.

#include <optional>
#include <string>

namespace zelvio {

class FileSystem;

struct SongTag {
    std::string title;
    std::string artist;
    std::string length;  // m:ss or h:mm:ss; empty when unknown

    bool operator==(const SongTag&) const = default;
};

// What the ID3v2 tag at the file's start says, and where it is silent an APE
// tag, then an ID3v1 tag, at its end; the length is the TLEN frame's, or else
// the audio's own. A file that does not begin as an MP3 file does (with a tag
// or a frame of audio) is read only at its end, and has no length. None when
// the file cannot be read or its tags give neither a title nor an artist.
// Reads the file's first and last blocks, not all of it, and writes nothing.
std::optional<SongTag> readSongTag(FileSystem& fs, const std::string& path);

// Writes an ID3v2.3 tag with the title (TIT2), the artist (TPE1) and, when
// the length reads as m:ss or h:mm:ss, the length in milliseconds (TLEN), in
// place of those frames and keeping every other frame, and an ID3v1 tag with
// the title and artist. The file is replaced only once the new one is whole;
// raises InOutError with the reason when it cannot be done.
void writeSongTag(FileSystem& fs, const std::string& path, const SongTag& tag);

}  // namespace zelvio
