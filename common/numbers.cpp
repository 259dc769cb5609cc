#include "common/numbers.h"

#include "common/errors.h"

#include <climits>

namespace zelvio {

ConversionError::ConversionError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value") {}

int StrToInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) throw ConversionError(text);
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') throw ConversionError(text);
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) throw ConversionError(text);
    }
    if (negative) value = -value;
    if (value < INT_MIN || value > INT_MAX) throw ConversionError(text);
    return static_cast<int>(value);
}

std::string IntToStr(long long value) { return std::to_string(value); }

}  // namespace zelvio
