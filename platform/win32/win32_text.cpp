#include "platform/win32/win32_text.h"

#include "platform/win32/win32_unicode.h"

#include <windows.h>

namespace zelvio {

std::string systemErrorText(unsigned long code) {
    wchar_t buffer[1024];
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
    std::string text = utf8(std::wstring_view(buffer, length));
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) {
        text.pop_back();
    }
    if (text.empty()) text = "System error " + std::to_string(code);
    return text;
}

InOutError lastSystemError() {
    const DWORD code = GetLastError();
    return InOutError(systemErrorText(code), code == ERROR_ACCESS_DENIED);
}

}  // namespace zelvio
