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

void sortFileNames(std::vector<std::string>& names) {
    // Each name folded once, and only positions moved while sorting: a
    // directory may hold thousands of songs.
    std::vector<std::string> keys(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        keys[i].resize(names[i].size());
        std::transform(names[i].begin(), names[i].end(), keys[i].begin(), folded);
    }
    std::vector<std::size_t> order(names.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : names[a] < names[b];
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (std::size_t i : order) sorted.push_back(std::move(names[i]));
    names = std::move(sorted);
}

}  // namespace zelvio
