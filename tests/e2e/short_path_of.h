#pragma once
// The system's 8.3 form of a path, as the program hands it to outside programs.

#include "tests/e2e/utf8.h"

#include <windows.h>

#include <string>

namespace zelvio::e2e {

// Empty when the path does not exist.
inline std::string shortPathOf(const std::string& path) {
    const std::wstring name = toWide(path);
    std::wstring shortPath(GetShortPathNameW(name.c_str(), nullptr, 0), L'\0');
    shortPath.resize(GetShortPathNameW(name.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size())));
    return toUtf8(shortPath);
}

}  // namespace zelvio::e2e
