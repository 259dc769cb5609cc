// The song list's line for an index entry: whatever the entry holds, the
// title, artist and length stand in their columns.

#include "common/textencoding.h"
#include "fuzz_check.h"
#include "playback/songtext.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

using namespace zelvio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    IndexEntry entry;
    entry.filename = input.ConsumeRandomLengthString();
    entry.title = input.ConsumeRandomLengthString();
    entry.artist = input.ConsumeRandomLengthString();
    entry.length = input.ConsumeRemainingBytesAsString();

    const std::string line = songtext(entry);
    const std::size_t titleColumns = std::max<std::size_t>(32, characterCount(entry.title));
    const std::size_t artistColumns = std::max<std::size_t>(19, characterCount(entry.artist));

    // Byte for byte: the title, its padding, the artist, its padding, the length.
    FUZZ_CHECK(line.starts_with(entry.title));
    FUZZ_CHECK(line.ends_with(entry.length));
    const std::size_t titlePad = titleColumns - characterCount(entry.title);
    const std::size_t artistPad = artistColumns - characterCount(entry.artist);
    FUZZ_CHECK(line.size() == entry.title.size() + titlePad + entry.artist.size() + artistPad + entry.length.size());
    FUZZ_CHECK(line.compare(entry.title.size(), titlePad, std::string(titlePad, ' ')) == 0);
    FUZZ_CHECK(line.compare(entry.title.size() + titlePad, entry.artist.size(), entry.artist) == 0);

    // Well-formed texts line up: the length begins at the column after both.
    if (isValidUtf8(entry.title) && isValidUtf8(entry.artist) && isValidUtf8(entry.length)) {
        FUZZ_CHECK(characterCount(line) == titleColumns + artistColumns + characterCount(entry.length));
    }
    return 0;
}
