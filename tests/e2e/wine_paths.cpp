#include "tests/e2e/wine_paths.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/utf8.h"

#include <windows.h>

namespace zelvio::e2e {

std::string unixPathOf(const std::string& path) {
    using UnixFileName = char*(CDECL*)(const wchar_t*);
    const auto convert = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (convert == nullptr) return {};
    char* converted = convert(toWide(path).c_str());
    if (converted == nullptr) throw DriverError("Wine has no Linux path for " + path);
    std::string result = converted;
    HeapFree(GetProcessHeap(), 0, converted);
    return result;
}

std::string windowsPathOfUnix(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

}  // namespace zelvio::e2e
