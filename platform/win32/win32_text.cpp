#include "platform/win32/win32_text.h"

#include <windows.h>

namespace zelvio {

std::string systemErrorText(unsigned long code) {
    char buffer[1024];
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        code, 0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) {
        text.pop_back();
    }
    if (text.empty()) text = "System error " + std::to_string(code);
    return text;
}

InOutError lastSystemError() {
    const DWORD code = GetLastError();
    return InOutError(systemErrorText(code));
}

}  // namespace zelvio
