#pragma once
// What the song list shows for a song with an index entry.

#include "common/indexentry.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zelvio {

// Title padded with spaces to 32 characters, artist padded to 19, then the
// length. A longer title or artist is neither cut nor followed by a space.
std::string songtext(const IndexEntry& entry);

// Where the artist and the length begin in songtext(entry), in bytes: the
// song list draws the three as columns.
std::vector<std::size_t> songColumns(const IndexEntry& entry);

}  // namespace zelvio
