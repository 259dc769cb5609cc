#pragma once
// One song's entry in a directory's song index.

#include <string>

namespace zelvio {

// The four lines of an entry, in the order the index file holds them.
struct IndexEntry {
    std::string filename;
    std::string title;
    std::string artist;
    std::string length;

    bool operator==(const IndexEntry&) const = default;
};

}  // namespace zelvio
