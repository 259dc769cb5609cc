#include "songindex/indexname.h"

namespace zelvio {
namespace {

// Not std::tolower: that depends on the C locale and may fold bytes of the
// code page's upper half, which the index compares exactly.
char foldletter(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string foldindexname(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) c = foldletter(c);
    return folded;
}

bool sameindexname(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldletter(a[i]) != foldletter(b[i])) return false;
    }
    return true;
}

}  // namespace zelvio
