#include "songindex/workingcopy.h"

#include "songindex/indexname.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace zelvio {
namespace {

constexpr std::size_t linesPerEntry = 4;

std::size_t checkedEntryLine(const WorkingCopy& lines, int entryLine) {
    if (entryLine < 0 || static_cast<std::size_t>(entryLine) % linesPerEntry != 0 ||
        static_cast<std::size_t>(entryLine) >= lines.size()) {
        throw std::out_of_range("no index entry begins at line " + std::to_string(entryLine));
    }
    return static_cast<std::size_t>(entryLine);
}

void checkSingleLine(const std::string& value) {
    if (value.find_first_of("\r\n") != std::string::npos) {
        throw std::invalid_argument("an index field cannot hold a line break");
    }
}

// Adds "" lines until the last entry is whole again.
void completeLastEntry(WorkingCopy& lines) {
    const std::size_t wholeSize = (lines.size() + linesPerEntry - 1) / linesPerEntry * linesPerEntry;
    lines.resize(wholeSize);
}

}  // namespace

std::vector<int> pairentries(const WorkingCopy& lines, const std::vector<std::string>& names) {
    // Later entries overwrite earlier ones, so the last of each name stays.
    std::unordered_map<std::string, int> lastEntry;
    for (std::size_t line = 0; line < lines.size(); line += linesPerEntry) {
        lastEntry[foldindexname(lines[line])] = static_cast<int>(line);
    }
    std::vector<int> entryline(names.size(), -1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto found = lastEntry.find(foldindexname(names[i]));
        if (found != lastEntry.end()) entryline[i] = found->second;
    }
    return entryline;
}

std::string readfield(const WorkingCopy& lines, int entryLine, IndexField field) {
    const std::size_t line = checkedEntryLine(lines, entryLine) + static_cast<std::size_t>(field);
    return line < lines.size() ? lines[line] : std::string();
}

IndexEntry entryat(const WorkingCopy& lines, int entryLine) {
    return {readfield(lines, entryLine, IndexField::filename), readfield(lines, entryLine, IndexField::title),
            readfield(lines, entryLine, IndexField::artist), readfield(lines, entryLine, IndexField::length)};
}

void storefield(WorkingCopy& lines, int entryLine, IndexField field, const std::string& value) {
    const std::size_t first = checkedEntryLine(lines, entryLine);
    checkSingleLine(value);
    if (first + linesPerEntry > lines.size()) completeLastEntry(lines);
    lines[first + static_cast<std::size_t>(field)] = value;
}

void addentry(WorkingCopy& lines, std::vector<int>& entryline, std::size_t file, const IndexEntry& entry) {
    for (const auto* value : {&entry.filename, &entry.title, &entry.artist, &entry.length}) checkSingleLine(*value);
    // A new entry appended behind a cut-short one would lend it its lines and
    // shift itself off the four-line grid.
    completeLastEntry(lines);
    if (file >= entryline.size()) entryline.resize(file + 1, -1);
    entryline[file] = static_cast<int>(lines.size());
    lines.insert(lines.end(), {entry.filename, entry.title, entry.artist, entry.length});
}

bool removeentry(WorkingCopy& lines, std::vector<int>& entryline, std::size_t file) {
    if (file >= entryline.size() || entryline[file] < 0) return false;
    const int removedLine = entryline[file];
    const std::size_t first = checkedEntryLine(lines, removedLine);
    const std::size_t count = std::min(linesPerEntry, lines.size() - first);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first),
                lines.begin() + static_cast<std::ptrdiff_t>(first + count));
    for (int& slot : entryline) {
        if (slot == removedLine) {
            slot = -1;
        } else if (slot > removedLine) {
            slot -= static_cast<int>(count);
        }
    }
    return true;
}

}  // namespace zelvio
