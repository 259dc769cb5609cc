#include "platform/win32/win32_short_path.h"

#include <windows.h>

namespace zelvio {

bool fitsCurrentDirectory(const std::wstring& directory) { return directory.size() + 2 <= MAX_PATH; }

std::wstring workingDirectoryFor(const std::wstring& directory) {
    if (fitsCurrentDirectory(directory)) return directory;
    std::wstring shortened;
    for (;;) {
        const DWORD length =
            GetShortPathNameW(directory.c_str(), shortened.data(), static_cast<DWORD>(shortened.size()));
        if (length == 0) return directory;
        if (length < shortened.size()) {
            shortened.resize(length);
            return shortened;
        }
        shortened.resize(length);  // the size asked for, terminating NUL included
    }
}

}  // namespace zelvio
