#include "platform/win32/win32_unicode.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace zelvio {

namespace {

int checkedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) throw std::length_error("text too long for the system");
    return static_cast<int>(size);
}

std::wstring toWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = checkedLength(bytes.size());
    const int needed = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), length, text.data(), needed);
    return text;
}

}  // namespace

std::wstring wide(std::string_view utf8Text) { return toWide(CP_UTF8, utf8Text); }

std::string utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = checkedLength(text.size());
    const int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

std::string utf8FromAnsi(std::string_view bytes) { return utf8(toWide(CP_ACP, bytes)); }

}  // namespace zelvio
