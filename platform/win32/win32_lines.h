#pragma once
// Text as lines: how files and multi-line edit controls hold them.

#include <string>
#include <string_view>
#include <vector>

namespace zelvio {

// Lines end in CR LF or a bare LF. A last line without an end is a line; an
// end at the very end of the text starts no further (empty) line.
std::vector<std::string> splitLines(std::string_view text);

// The lines with CR LF between them, as a multi-line edit control shows them.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace zelvio
