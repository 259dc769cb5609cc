#pragma once
// The one place where the program's UTF-8 texts meet the system's UTF-16:
// every Windows call of the backend takes and gives wide text through these.

#include <string>
#include <string_view>

namespace zelvio {

// UTF-8 to UTF-16; a malformed byte becomes U+FFFD.
std::wstring wide(std::string_view utf8);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8(std::wstring_view text);
// Bytes in the system's ANSI code page to UTF-8.
std::string utf8FromAnsi(std::string_view bytes);
// UTF-8 to the ANSI code page; a character it lacks becomes "?" and sets `lost`.
std::string ansiFromUtf8(std::string_view utf8Text, bool* lost = nullptr);

}  // namespace zelvio
