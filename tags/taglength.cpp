#include "tags/taglength.h"

#include <vector>

namespace zelvio {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A part of digits only; the leading part may have up to six, the others exactly two below 60.
std::optional<std::int64_t> part(std::string_view digits, bool leading) {
    if (digits.empty() || digits.size() > (leading ? 6u : 2u) || (!leading && digits.size() != 2)) return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (!leading && value >= 60) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::int64_t> lengthMilliseconds(std::string_view text) {
    std::vector<std::string_view> parts;
    std::string_view rest = trimmed(text);
    for (auto colon = rest.find(':'); colon != std::string_view::npos; colon = rest.find(':')) {
        parts.push_back(rest.substr(0, colon));
        rest.remove_prefix(colon + 1);
    }
    parts.push_back(rest);
    if (parts.size() != 2 && parts.size() != 3) return std::nullopt;
    std::int64_t seconds = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto value = part(parts[i], i == 0);
        if (!value) return std::nullopt;
        seconds = seconds * 60 + *value;
    }
    return seconds * 1000;
}

std::string lengthText(std::int64_t milliseconds) {
    const std::int64_t total = milliseconds > 0 ? milliseconds / 1000 : 0;
    const auto twoDigits = [](std::int64_t value) { return (value < 10 ? "0" : "") + std::to_string(value); };
    const std::int64_t hours = total / 3600, minutes = total / 60 % 60, seconds = total % 60;
    if (hours > 0) return std::to_string(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
    return std::to_string(minutes) + ":" + twoDigits(seconds);
}

}  // namespace zelvio
