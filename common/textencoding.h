#pragma once
// Texts inside the program are UTF-8. Text files written before that were in
// the system's ANSI code page; these helpers tell the two apart.

#include <cstddef>
#include <string>
#include <string_view>

namespace zelvio {

// Whether the bytes are well-formed UTF-8: no overlong forms, no surrogates,
// nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// A text file's bytes as UTF-8: kept when they are UTF-8 (a leading
// byte-order mark dropped), otherwise converted from the ANSI code page.
using AnsiDecoder = std::string (*)(std::string_view bytes);
std::string textFromFileBytes(std::string bytes, AnsiDecoder fromAnsi);

// Appends the character's UTF-8 bytes to `text`.
void appendUtf8(std::string& text, char32_t character);

// The number of characters of a UTF-8 text; a malformed byte counts as one.
std::size_t characterCount(std::string_view utf8);

}  // namespace zelvio
