#include "common/textencoding.h"

namespace zelvio {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed sequence starting at `at`, or 0.
std::size_t sequenceLength(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned long codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if (!isContinuation(next)) return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    const unsigned long smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < smallest[length] || codePoint > 0x10FFFF) return 0;
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return 0;
    return length;
}

}  // namespace

void appendUtf8(std::string& text, char32_t character) {
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (character >> 18));
        text += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {  // most text is ASCII
            ++at;
            continue;
        }
        const std::size_t length = sequenceLength(bytes, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string textFromFileBytes(std::string bytes, AnsiDecoder fromAnsi) {
    std::string_view text = bytes;
    if (text.starts_with(byteOrderMark)) text.remove_prefix(byteOrderMark.size());
    if (isValidUtf8(text)) return text.size() == bytes.size() ? std::move(bytes) : std::string(text);
    return fromAnsi(bytes);
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < utf8.size(); ++count) {
        if (static_cast<unsigned char>(utf8[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = sequenceLength(utf8, at);
        at += length == 0 ? 1 : length;
    }
    return count;
}

}  // namespace zelvio
