#include "platform/win32/win32_module_path.h"

namespace zelvio {

std::wstring modulePath(HMODULE module) {
    // The call cuts the name short without saying how long it is: grow until it fits.
    std::wstring path(256, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace zelvio
