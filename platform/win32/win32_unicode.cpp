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

std::string ansiFromUtf8(std::string_view utf8Text, bool* lost) {
    const std::wstring text = wide(utf8Text);
    if (text.empty()) return {};
    const int length = checkedLength(text.size());
    // No best fit: "é" may not quietly become "e". A UTF-8 code page takes
    // neither the flag nor the question.
    const bool utf8CodePage = GetACP() == CP_UTF8;
    const DWORD flags = utf8CodePage ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* askDefault = utf8CodePage ? nullptr : &usedDefault;
    const int needed = WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, askDefault);
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, flags, text.data(), length, bytes.data(), needed, nullptr, askDefault);
    if (lost != nullptr && usedDefault) *lost = true;
    return bytes;
}

}  // namespace zelvio
