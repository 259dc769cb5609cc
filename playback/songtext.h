#pragma once
// What the song list shows for a song with an index entry.

#include "common/indexentry.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zelvio {

// The song's columns (playback/songcolumns.h) one after the other, each
// padded with spaces to its width: title to 32 characters, artist to 19,
// then the length. A longer text is neither cut nor followed by a space.
std::string songtext(const IndexEntry& entry);

// Where the second and later columns begin in songtext(entry), in bytes:
// the song list draws them as columns.
std::vector<std::size_t> songColumns(const IndexEntry& entry);

}  // namespace zelvio
