#pragma once
// The playlist "mpzelv.m3u" handed to the outside player: one MP3 file name a
// line, as the player finds it from its working directory, the MP3 directory.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zelvio {

class FileSystem;

// The positions 0 to n-1 in order, or shuffled by a generator seeded with
// `seed` (the player's caller gives the clock's), every order equally likely.
std::vector<std::size_t> playOrder(std::size_t n, bool shuffled, std::uint64_t seed);

// Writes the files of `directory` in this order: the 8.3 form of a long name,
// and of one the playlist's ANSI code page cannot hold. The old playlist stays
// whole until the new one is complete.
void writePlaylist(FileSystem& fs, const std::string& path, const std::string& directory,
                   const std::vector<std::string>& files);

}  // namespace zelvio
