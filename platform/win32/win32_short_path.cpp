#include "platform/win32/win32_short_path.h"

#include "platform/win32/win32_asked_text.h"

#include <windows.h>

namespace zelvio {

bool fitsCurrentDirectory(const std::wstring& directory) { return directory.size() + 2 <= MAX_PATH; }

namespace {

std::wstring shortFormOf(const std::wstring& path) {
    const auto shortened =
        askedText([&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(path.c_str(), buffer, size); });
    return shortened.value_or(path);
}

}  // namespace

std::wstring workingDirectoryFor(const std::wstring& directory) {
    return fitsCurrentDirectory(directory) ? directory : shortFormOf(directory);
}

std::wstring shellPathFor(const std::wstring& path) { return path.size() < MAX_PATH ? path : shortFormOf(path); }

}  // namespace zelvio
