#pragma once
// The song list's columns, left to right, as one table: each column's head
// above the list (its caption and left edge in the main window, in design
// pixels), the song's field it shows, and the characters its text is padded
// to in a line (none for the last). The heads, the drawn columns and the
// lines' texts all follow it.

#include "common/indexentry.h"

#include <array>
#include <cstddef>
#include <string>

namespace zelvio {

struct SongColumn {
    const char* head;
    int headLeft;
    std::string IndexEntry::*field;
    std::size_t width;
};

inline const std::array<SongColumn, 3> songColumnTable = {{
    {"Song Title", 72, &IndexEntry::title, 32},
    {"Artist", 326, &IndexEntry::artist, 19},
    {"Length", 462, &IndexEntry::length, 0},
}};

}  // namespace zelvio
