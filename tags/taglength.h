#pragma once
// Song lengths between the index's text ("3:10", "1:02:03") and the
// milliseconds an ID3 tag's TLEN frame holds.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelvio {

// The milliseconds of a length written as m:ss or h:mm:ss (blanks around it
// allowed); none for any other text.
std::optional<std::int64_t> lengthMilliseconds(std::string_view text);

// Milliseconds as the song list shows a length: m:ss, or h:mm:ss from an
// hour on; parts of a second are dropped.
std::string lengthText(std::int64_t milliseconds);

}  // namespace zelvio
