#pragma once
// The headless file system's ANSI code page: Windows-1252, the code page of
// a Western European Windows.

#include <string>
#include <string_view>

namespace zelvio {

std::string utf8FromWindows1252(std::string_view bytes);
// The text in Windows-1252; a character it lacks becomes "?" and sets `lost`.
std::string windows1252FromUtf8(std::string_view utf8, bool* lost = nullptr);

}  // namespace zelvio
