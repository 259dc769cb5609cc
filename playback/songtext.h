#pragma once
// What the song list shows for a song with an index entry.

#include "common/indexentry.h"

#include <string>

namespace zelvio {

// Title padded with spaces to 32 characters, artist padded to 19, then the
// length. A longer title or artist is neither cut nor followed by a space.
std::string songtext(const IndexEntry& entry);

}  // namespace zelvio
