// A directory's song index from any bytes, then edited as the dialogs edit
// it: every lookup agrees with the others, an edit touches only its own
// entry, and what is written reads back line for line.

#include "common/textencoding.h"
#include "fuzz_check.h"
#include "platform/headless/headless_filesystem.h"
#include "songindex/indexfile.h"
#include "songindex/indexlookup.h"
#include "songindex/workingcopy.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

using namespace zelvio;

namespace {

const std::string indexPath = "C:\\MP3\\index.dat";

bool holdsLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// lookupentry reads the file, IndexLookup the lines: both must name the same entry.
void checkLookups(HeadlessFileSystem& fs, const WorkingCopy& lines, const std::vector<std::string>& names) {
    const IndexLookup lookup(lines);
    for (const auto& name : names) {
        const std::optional<IndexEntry> fromFile = lookupentry(fs, indexPath, name);
        const IndexEntry* fromLines = lookup.find(name);
        FUZZ_CHECK(fromFile.has_value() == (fromLines != nullptr));
        if (fromLines) FUZZ_CHECK(*fromFile == *fromLines);
    }
}

// Every slot is -1 or the start of an entry, holding what the edits put there.
void checkSlots(const WorkingCopy& lines, const std::vector<int>& entryline,
                const std::vector<std::optional<IndexEntry>>& expected) {
    for (std::size_t i = 0; i < entryline.size(); ++i) {
        const int slot = entryline[i];
        FUZZ_CHECK(slot >= -1);
        FUZZ_CHECK(expected[i].has_value() == (slot >= 0));
        if (slot < 0) continue;
        FUZZ_CHECK(slot % 4 == 0 && static_cast<std::size_t>(slot) < lines.size());
        FUZZ_CHECK(entryat(lines, slot) == *expected[i]);
    }
}

void writeAndReadBack(HeadlessFileSystem& fs, const WorkingCopy& lines, const std::vector<std::string>& names) {
    writeindex(fs, indexPath, lines);
    FUZZ_CHECK(readindex(fs, indexPath) == lines);
    checkLookups(fs, lines, names);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::vector<std::string> names(input.ConsumeIntegralInRange<std::size_t>(0, 6));
    for (auto& name : names) name = input.ConsumeRandomLengthString(40);
    HeadlessFileSystem fs;
    fs.putFile(indexPath, input.ConsumeRandomLengthString());

    WorkingCopy lines = readindex(fs, indexPath);
    checkLookups(fs, lines, names);

    // Pairing agrees with the lookups: each file gets the last entry of its name.
    std::vector<int> entryline = pairentries(lines, names);
    FUZZ_CHECK(entryline.size() == names.size());
    const IndexLookup lookup(lines);
    std::vector<std::optional<IndexEntry>> expected(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (const IndexEntry* entry = lookup.find(names[i])) expected[i] = *entry;
    }
    checkSlots(lines, entryline, expected);

    // Edits as the dialogs make them. Values come from edit boxes: UTF-8, one line.
    while (input.remaining_bytes() > 0 && !names.empty()) {
        const std::size_t file = input.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1);
        const WorkingCopy before = lines;
        switch (input.ConsumeIntegralInRange(0, 3)) {
            case 0: {
                const auto field = static_cast<IndexField>(input.ConsumeIntegralInRange(0, 3));
                const std::string value = input.ConsumeRandomLengthString(40);
                if (entryline[file] < 0 || !isValidUtf8(value)) break;
                if (holdsLineBreak(value)) {
                    bool refused = false;
                    try {
                        storefield(lines, entryline[file], field, value);
                    } catch (const std::invalid_argument&) {
                        refused = true;
                    }
                    FUZZ_CHECK(refused && lines == before);
                    break;
                }
                storefield(lines, entryline[file], field, value);
                FUZZ_CHECK(readfield(lines, entryline[file], field) == value);
                const IndexEntry stored = entryat(lines, entryline[file]);
                for (std::size_t i = 0; i < names.size(); ++i) {
                    if (entryline[i] == entryline[file]) expected[i] = stored;
                }
                break;
            }
            case 1: {
                const int removed = entryline[file];
                FUZZ_CHECK(removeentry(lines, entryline, file) == (removed >= 0));
                if (removed < 0) {
                    FUZZ_CHECK(lines == before);
                    break;
                }
                FUZZ_CHECK(lines.size() + std::min<std::size_t>(4, before.size() - removed) == before.size());
                for (std::size_t i = 0; i < names.size(); ++i) {
                    if (expected[i] && entryline[i] == -1) expected[i].reset();
                }
                break;
            }
            case 2: {
                IndexEntry entry{names[file], input.ConsumeRandomLengthString(40), input.ConsumeRandomLengthString(40),
                                 input.ConsumeRandomLengthString(12)};
                const bool fromEditBoxes = isValidUtf8(entry.filename) && isValidUtf8(entry.title) &&
                                           isValidUtf8(entry.artist) && isValidUtf8(entry.length);
                if (!fromEditBoxes || holdsLineBreak(entry.filename)) break;
                const bool broken = holdsLineBreak(entry.title + entry.artist + entry.length);
                try {
                    addentry(lines, entryline, file, entry);
                    FUZZ_CHECK(!broken);
                    expected[file] = entry;
                } catch (const std::invalid_argument&) {
                    FUZZ_CHECK(broken && lines == before);
                }
                break;
            }
            default:
                writeAndReadBack(fs, lines, names);
                break;
        }
        checkSlots(lines, entryline, expected);
    }
    writeAndReadBack(fs, lines, names);
    return 0;
}
