#pragma once
// The texts of an ID3v2 text frame (TIT2, TPE1, TLEN, ...) as UTF-8: the
// frame's first byte names its encoding, the rest holds one or more texts,
// each ended by the encoding's terminator.

#include <string>
#include <string_view>
#include <vector>

namespace zelvio {

// Every non-empty text of the frame's data, in order. Encodings: 0 Latin-1,
// 1 UTF-16 with a byte-order mark (little-endian without one), 2 UTF-16
// big-endian, 3 UTF-8 (read as Latin-1 where it is not well-formed, as
// taggers that mislabel their texts write it). None for any other encoding.
std::vector<std::string> id3TextValues(std::string_view frameData);

}  // namespace zelvio
