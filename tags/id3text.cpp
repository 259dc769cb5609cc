#include "tags/id3text.h"

#include "common/textencoding.h"

namespace zelvio {

namespace {

std::string fromLatin1(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (char byte : bytes) appendUtf8(text, static_cast<unsigned char>(byte));
    return text;
}

std::string fromUtf8(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return isValidUtf8(bytes) ? std::string(bytes) : fromLatin1(bytes);
}

// One text of 16-bit units; a surrogate without its partner becomes U+FFFD.
std::string fromUtf16(std::string_view bytes, bool bigEndian) {
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    std::string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t codePoint = unit(i);
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) <= 0xDFFF) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
            codePoint = 0xFFFD;
        }
        appendUtf8(text, codePoint);
    }
    return text;
}

// The texts between single-byte terminators.
std::vector<std::string_view> splitBytes(std::string_view data) {
    std::vector<std::string_view> parts;
    for (auto end = data.find('\0'); end != std::string_view::npos; end = data.find('\0')) {
        parts.push_back(data.substr(0, end));
        data.remove_prefix(end + 1);
    }
    parts.push_back(data);
    return parts;
}

// The texts between two-byte terminators that begin on an even byte.
std::vector<std::string_view> splitUnits(std::string_view data) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        if (data[i] == '\0' && data[i + 1] == '\0') {
            parts.push_back(data.substr(start, i - start));
            start = i + 2;
        }
    }
    parts.push_back(data.substr(start));
    return parts;
}

}  // namespace

std::vector<std::string> id3TextValues(std::string_view frameData) {
    if (frameData.empty()) return {};
    const char encoding = frameData[0];
    frameData.remove_prefix(1);
    std::vector<std::string> values;
    const auto add = [&](std::string text) {
        if (!text.empty()) values.push_back(std::move(text));
    };
    if (encoding == 0 || encoding == 3) {
        for (std::string_view part : splitBytes(frameData)) add(encoding == 0 ? fromLatin1(part) : fromUtf8(part));
    } else if (encoding == 1 || encoding == 2) {
        // Each text may carry its own byte-order mark; one without keeps the order of the last.
        bool bigEndian = encoding == 2;
        for (std::string_view part : splitUnits(frameData)) {
            if (part.starts_with("\xFE\xFF") || part.starts_with("\xFF\xFE")) {
                bigEndian = part[0] == '\xFE';
                part.remove_prefix(2);
            }
            add(fromUtf16(part, bigEndian));
        }
    }
    return values;
}

}  // namespace zelvio
