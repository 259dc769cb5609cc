#include "platform/controls/file_names.h"

#include <algorithm>

namespace zelvio {

namespace {

char folded(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Wildcard match, backtracking to the last "*" on a mismatch.
bool matchesPattern(std::string_view name, std::string_view pattern) {
    std::size_t n = 0, p = 0;
    std::size_t star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || folded(pattern[p]) == folded(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

bool matchesFileMask(std::string_view name, std::string_view mask) {
    std::size_t start = 0;
    while (start <= mask.size()) {
        std::size_t end = mask.find(';', start);
        if (end == std::string_view::npos) end = mask.size();
        const std::string_view pattern = mask.substr(start, end - start);
        if (!pattern.empty()) {
            if (matchesPattern(name, pattern)) return true;
            if (pattern.ends_with(".*") && name.find('.') == std::string_view::npos &&
                matchesPattern(name, pattern.substr(0, pattern.size() - 2))) {
                return true;
            }
        }
        start = end + 1;
    }
    return false;
}

bool fileNameLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(folded(x)) < static_cast<unsigned char>(folded(y));
    });
}

}  // namespace zelvio
