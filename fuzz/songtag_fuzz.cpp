// A file's ID3 tags as the song list and the index editor read them, and the
// tag the encode batch writes over them: whatever the file holds, reading
// gives well-formed one-line texts and leaves the file as it was, and a
// written tag reads back as written.

#include "common/errors.h"
#include "common/textencoding.h"
#include "fuzz_check.h"
#include "platform/headless/headless_filesystem.h"
#include "tags/songtag.h"
#include "tags/taglength.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace zelvio;

namespace {

bool oneLine(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    }
    return true;
}

// What a tag can carry back unchanged: well-formed text on one line.
bool plain(const std::string& text) { return isValidUtf8(text) && oneLine(text); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const SongTag written{input.ConsumeRandomLengthString(64), input.ConsumeRandomLengthString(64),
                          input.ConsumeRandomLengthString(16)};
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    if (const auto milliseconds = lengthMilliseconds(written.length)) {
        FUZZ_CHECK(*milliseconds >= 0 && *milliseconds % 1000 == 0);
        FUZZ_CHECK(lengthMilliseconds(lengthText(*milliseconds)) == milliseconds);
    }

    HeadlessFileSystem fs;
    const std::string path = "C:\\song.mp3";
    fs.putFile(path, bytes);
    if (const auto tag = readSongTag(fs, path)) {
        FUZZ_CHECK(oneLine(tag->title) && oneLine(tag->artist) && oneLine(tag->length));
        FUZZ_CHECK(isValidUtf8(tag->title) && isValidUtf8(tag->artist));
        FUZZ_CHECK(!tag->title.empty() || !tag->artist.empty());
    }
    FUZZ_CHECK(fs.fileBytes(path) == bytes);  // reading never writes

    bool tagged = true;
    try {
        writeSongTag(fs, path, written);
    } catch (const InOutError&) {
        tagged = false;
        FUZZ_CHECK(fs.fileBytes(path) == bytes);  // a file that cannot be tagged stays as it was
    }
    if (tagged && plain(written.title) && plain(written.artist) && !written.title.empty()) {
        const auto tag = readSongTag(fs, path);
        FUZZ_CHECK(tag && tag->title == written.title && tag->artist == written.artist);
        if (const auto milliseconds = lengthMilliseconds(written.length)) FUZZ_CHECK(tag->length == lengthText(*milliseconds));
    }
    return 0;
}
