#include "tests/e2e/system_error.h"

#include <windows.h>

namespace zelvio::e2e {

std::string lastErrorText() {
    const DWORD code = GetLastError();
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                  buffer, sizeof buffer, nullptr);
    while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' || buffer[length - 1] == '.'))
        --length;
    return std::string(buffer, length) + " (code " + std::to_string(code) + ")";
}

}  // namespace zelvio::e2e
