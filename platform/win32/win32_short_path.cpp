#include "platform/win32/win32_short_path.h"

#include "platform/win32/win32_asked_text.h"

#include <windows.h>

namespace zelvio {

bool fitsCurrentDirectory(const std::wstring& directory) { return directory.size() + 2 <= MAX_PATH; }

std::wstring workingDirectoryFor(const std::wstring& directory) {
    if (fitsCurrentDirectory(directory)) return directory;
    const auto shortened = askedText([&](wchar_t* buffer, DWORD size) {
        return GetShortPathNameW(directory.c_str(), buffer, size);
    });
    return shortened.value_or(directory);
}

}  // namespace zelvio
