#pragma once
// File names as the file lists treat them: masks and order.

#include <string>
#include <string_view>
#include <vector>

namespace zelvio {

// Whether the name matches one of the mask's patterns ("*.wav;*.cda;"), "*"
// standing for any run of characters and "?" for one, letter case ignored.
// As in Windows, a pattern ending in ".*" also matches a name without a dot.
bool matchesFileMask(std::string_view name, std::string_view mask);

// Sorts names without regard to letter case, as Windows lists files.
void sortFileNames(std::vector<std::string>& names);

}  // namespace zelvio
