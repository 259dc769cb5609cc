#include "platform/headless/headless_code_page.h"

#include "common/textencoding.h"

#include <array>

namespace zelvio {

namespace {

// 0x80 to 0x9F; the five bytes the code page leaves unassigned map to
// themselves, as Windows maps them.
constexpr std::array<char32_t, 32> upperControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The next character of UTF-8 text; a malformed byte reads as U+FFFD.
char32_t nextCharacter(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || at + static_cast<std::size_t>(extra) > text.size()) return 0xFFFD;
    char32_t c = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) c = (c << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    return c;
}

}  // namespace

std::string windows1252FromUtf8(std::string_view utf8, bool* lost) {
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t c = nextCharacter(utf8, at);
        char byte = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = static_cast<char>(c);
        } else {
            bool found = false;
            for (std::size_t i = 0; i < upperControlRange.size() && !found; ++i) {
                if (upperControlRange[i] == c) {
                    byte = static_cast<char>(0x80 + i);
                    found = true;
                }
            }
            if (!found && lost != nullptr) *lost = true;
        }
        out += byte;
    }
    return out;
}

std::string utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? upperControlRange[b - 0x80] : static_cast<char32_t>(b));
    }
    return out;
}

}  // namespace zelvio
