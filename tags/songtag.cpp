#include "tags/songtag.h"

#include "common/errors.h"
#include "common/filesystem.h"
#include "common/replacefile.h"
#include "tags/id3v2song.h"
#include "tags/readerstream.h"
#include "tags/taglength.h"

#include <taglib/apefile.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>

#include <algorithm>
#include <climits>

namespace zelvio {

namespace {

// TagLib counts positions in a long, which is 32 bits on Windows.
constexpr std::int64_t largestFile = LONG_MAX;

// An ID3v2 tag, or an MPEG frame header (eleven bits set) where the audio
// begins. Anything else before them is no MP3 file of ours to tag.
bool beginsAsMp3(std::string_view start) {
    if (start.size() < 3) return false;
    const auto byte = [&](int i) { return static_cast<unsigned char>(start[i]); };
    return start.starts_with("ID3") || (byte(0) == 0xFF && (byte(1) & 0xE0) == 0xE0);
}

// A tag's text as one line: a line break or other control character would
// split an index entry the text may be stored in.
std::string oneLine(std::string line) {
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    }
    return line;
}

std::string oneLine(const TagLib::String& text) { return oneLine(text.to8Bit(true)); }

// A TLEN frame's milliseconds as the song list shows a length; empty when
// they are no number.
std::string tlenLength(const std::string& text) {
    if (text.empty() || text.size() > 12 || text.find_first_not_of("0123456789") != std::string::npos) return "";
    return lengthText(std::stoll(text));
}

std::string lengthOf(TagLib::MPEG::File& file) {
    if (const TagLib::ID3v2::Tag* tag = file.ID3v2Tag(); tag != nullptr) {
        const auto& frames = tag->frameListMap()["TLEN"];
        if (!frames.isEmpty()) {
            std::string length = tlenLength(frames.front()->toString().to8Bit(true));
            if (!length.empty()) return length;
        }
    }
    const TagLib::MPEG::Properties* audio = file.audioProperties();
    return audio != nullptr && audio->lengthInMilliseconds() > 0 ? lengthText(audio->lengthInMilliseconds()) : "";
}

// The file's first block, or its whole ID3v2 tag where that is longer (as
// much of it as the file holds: a tag may claim more).
std::string firstBytes(ByteReader& reader) {
    // One read for most files: a song list reads thousands of them.
    std::string start(4096, '\0');
    start.resize(reader.read(start.data(), start.size()));
    const std::size_t had = start.size();
    if (const std::size_t tagSize = id3v2TagSize(start); tagSize > had) {
        start.resize(static_cast<std::size_t>(std::clamp<std::int64_t>(reader.size(), had, tagSize)));
        start.resize(had + reader.read(start.data() + had, start.size() - had));
    }
    return start;
}

// Fills in the title and the artist the tag at the start did not give.
void fillIn(SongTag& tag, const TagLib::Tag& other) {
    if (tag.title.empty()) tag.title = oneLine(other.title());
    if (tag.artist.empty()) tag.artist = oneLine(other.artist());
}

std::string wholeFile(FileSystem& fs, const std::string& path) {
    auto reader = fs.openBytes(path);
    const std::int64_t size = reader->size();
    if (size > largestFile) throw InOutError("the file is too large to tag");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    bytes.resize(reader->read(bytes.data(), bytes.size()));
    return bytes;
}

// Replaces every frame `id` by one holding `text`, or by none when it is empty.
void setTextFrame(TagLib::ID3v2::Tag& tag, const char* id, const std::string& text) {
    tag.removeFrames(id);
    if (text.empty()) return;
    const TagLib::String value(text, TagLib::String::UTF8);
    // ID3v2.3 knows no UTF-8: what Latin-1 cannot hold goes in UTF-16.
    auto* frame = new TagLib::ID3v2::TextIdentificationFrame(
        id, value.isLatin1() ? TagLib::String::Latin1 : TagLib::String::UTF16);
    frame->setText(value);
    tag.addFrame(frame);
}

}  // namespace

std::optional<SongTag> readSongTag(FileSystem& fs, const std::string& path) {
    try {
        auto reader = fs.openBytes(path);
        const std::string start = firstBytes(*reader);
        const Id3v2Song v2 = readId3v2Song(start);
        SongTag tag{oneLine(v2.title), oneLine(v2.artist), tlenLength(v2.length)};
        // Most tagged files (LAME's among them) say all three in the tag at
        // their start: then nothing past it need be read.
        if ((!tag.title.empty() || !tag.artist.empty()) && !tag.length.empty()) return tag;

        if (reader->size() > largestFile) return std::nullopt;
        reader->seek(0);
        ReaderStream stream(std::move(reader));
        if (beginsAsMp3(start)) {
            // TagLib reads the rest: the APE and ID3v1 tags at the end, a
            // compressed frame; and the audio, for a length TLEN did not give.
            TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), tag.length.empty(),
                                    TagLib::AudioProperties::Fast);
            fillIn(tag, *file.tag());
            if (tag.length.empty()) tag.length = lengthOf(file);
        } else {
            // Anything else may hold no audio at all, and TagLib would search
            // all of it for some: only the tags at its end are read (APE::File
            // reads them, ID3v1 too, and nothing else without properties).
            TagLib::APE::File file(&stream, false);
            fillIn(tag, *file.tag());
        }
        if (tag.title.empty() && tag.artist.empty()) return std::nullopt;
        return tag;
    } catch (const InOutError&) {
        return std::nullopt;  // a file that cannot be read has nothing to say
    }
}

void writeSongTag(FileSystem& fs, const std::string& path, const SongTag& tag) {
    const std::string bytes = wholeFile(fs, path);
    if (!beginsAsMp3(bytes)) throw InOutError("the file does not begin as an MP3 file does");
    TagLib::ByteVectorStream stream(TagLib::ByteVector(bytes.data(), static_cast<unsigned int>(bytes.size())));
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    if (!file.isValid() || file.firstFrameOffset() < 0) throw InOutError("the file holds no MPEG audio");

    TagLib::ID3v2::Tag& v2 = *file.ID3v2Tag(true);
    setTextFrame(v2, "TIT2", tag.title);
    setTextFrame(v2, "TPE1", tag.artist);
    // A length that is no length leaves whatever the encoder measured.
    if (const auto milliseconds = lengthMilliseconds(tag.length)) setTextFrame(v2, "TLEN", std::to_string(*milliseconds));
    TagLib::ID3v1::Tag& v1 = *file.ID3v1Tag(true);
    v1.setTitle(TagLib::String(tag.title, TagLib::String::UTF8));
    v1.setArtist(TagLib::String(tag.artist, TagLib::String::UTF8));
    if (!file.save(TagLib::MPEG::File::ID3v1 | TagLib::MPEG::File::ID3v2, TagLib::File::StripNone,
                   TagLib::ID3v2::v3, TagLib::File::DoNotDuplicate)) {
        throw InOutError("the tag could not be made");
    }

    const TagLib::ByteVector& tagged = *stream.data();
    replaceWhenComplete(fs, path, [&](const std::string& temporary) {
        fs.writeBytes(temporary, std::string_view(tagged.data(), tagged.size()));
    });
}

}  // namespace zelvio
