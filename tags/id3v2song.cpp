#include "tags/id3v2song.h"

#include "tags/id3text.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace zelvio {

namespace {

constexpr std::size_t tagHeaderSize = 10;

unsigned char byteAt(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

std::uint32_t plainNumber(std::string_view bytes) {
    std::uint32_t value = 0;
    for (char byte : bytes) value = (value << 8) | static_cast<unsigned char>(byte);
    return value;
}

bool isSyncsafe(std::string_view bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char byte) { return (byte & 0x80) != 0; });
}

// Seven bits a byte, so that no size looks like an MPEG frame sync.
std::uint32_t syncsafeNumber(std::string_view bytes) {
    std::uint32_t value = 0;
    for (char byte : bytes) value = (value << 7) | (static_cast<unsigned char>(byte) & 0x7F);
    return value;
}

// Unsynchronised bytes as they were: every 0xFF 0x00 back to 0xFF.
std::string withoutUnsynchronisation(std::string_view bytes) {
    std::string decoded;
    decoded.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        decoded += bytes[i];
        if (bytes[i] == '\xFF' && i + 1 < bytes.size() && bytes[i + 1] == '\0') ++i;
    }
    return decoded;
}

bool isFrameId(std::string_view id) {
    return std::all_of(id.begin(), id.end(), [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

// Whether a four-character frame id begins at `at`, or the tag ends there.
bool frameBeginsAt(std::string_view body, std::size_t at) {
    return at == body.size() || (at + 4 <= body.size() && isFrameId(body.substr(at, 4)));
}

std::size_t frameSize(std::string_view body, std::size_t at, int version) {
    if (version == 2) return plainNumber(body.substr(at + 3, 3));
    const std::string_view bytes = body.substr(at + 4, 4);
    if (version == 3 || !isSyncsafe(bytes)) return plainNumber(bytes);
    // iTunes wrote v2.4 tags with v2.3's plain sizes: the plain size is taken
    // where only it lands on the next frame (or on the padding).
    const std::size_t syncsafe = syncsafeNumber(bytes), plain = plainNumber(bytes);
    const std::size_t start = at + 10;  // past the frame's header
    const bool plainLands =
        frameBeginsAt(body, start + plain) || (start + plain < body.size() && body[start + plain] == '\0');
    return !frameBeginsAt(body, start + syncsafe) && plainLands ? plain : syncsafe;
}

// Where the frames begin, past the extended header.
std::size_t extendedHeaderSize(std::string_view body, int version) {
    // Some taggers set the flag and write no extended header: a frame begins at once.
    if (body.size() < 4 || isFrameId(body.substr(0, 4))) return 0;
    const std::size_t size =
        version == 4 ? syncsafeNumber(body.substr(0, 4)) : 4 + std::size_t{plainNumber(body.substr(0, 4))};
    return size <= body.size() ? size : 0;
}

// The frame's own bytes, past what its format flags put before them. None
// for a compressed or encrypted frame: TagLib as the Windows build has it
// (without zlib) opens neither, and taggers hardly compress a title.
std::optional<std::string> frameContent(std::string_view data, int version, unsigned char format, bool unsynchronised) {
    const auto skip = [&](std::size_t count) { data.remove_prefix(std::min(count, data.size())); };
    if (version == 3) {
        if ((format & 0xC0) != 0) return std::nullopt;
        if ((format & 0x20) != 0) skip(1);  // group id
    } else if (version == 4) {
        if ((format & 0x0C) != 0) return std::nullopt;
        if ((format & 0x40) != 0) skip(1);  // group id
        if ((format & 0x01) != 0) skip(4);  // data length
        if (unsynchronised || (format & 0x02) != 0) return withoutUnsynchronisation(data);
    }
    return std::string(data);
}

// The field a frame id holds; v2.3 tags by iTunes carry v2.2 ids ended by a zero byte.
std::string* fieldOf(Id3v2Song& song, std::string_view id) {
    if (id.size() == 4 && id[3] == '\0') id.remove_suffix(1);
    if (id == "TIT2" || id == "TT2") return &song.title;
    if (id == "TPE1" || id == "TP1") return &song.artist;
    if (id == "TLEN" || id == "TLE") return &song.length;
    return nullptr;
}

// A length is one number: its first text counts. A title or an artist
// holds every text of every frame.
void addTexts(std::string& field, const std::vector<std::string>& texts, bool firstOnly) {
    for (const std::string& text : texts) {
        if (firstOnly && !field.empty()) return;
        if (!field.empty()) field += " / ";
        field += text;
    }
}

}  // namespace

std::size_t id3v2TagSize(std::string_view start) {
    if (start.size() < tagHeaderSize || !start.starts_with("ID3")) return 0;
    const unsigned char version = byteAt(start, 3), revision = byteAt(start, 4);
    const std::string_view size = start.substr(6, 4);
    if (version < 2 || version > 4 || revision == 0xFF || !isSyncsafe(size)) return 0;
    const bool footer = version == 4 && (byteAt(start, 5) & 0x10) != 0;
    return tagHeaderSize + syncsafeNumber(size) + (footer ? tagHeaderSize : 0);
}

Id3v2Song readId3v2Song(std::string_view tag) {
    Id3v2Song song;
    if (id3v2TagSize(tag) == 0) return song;
    const int version = byteAt(tag, 3);
    const unsigned char flags = byteAt(tag, 5);
    if (version == 2 && (flags & 0x40) != 0) return song;  // compressed whole, in a way no one defined

    std::string_view body = tag.substr(tagHeaderSize, syncsafeNumber(tag.substr(6, 4)));
    const bool unsynchronised = (flags & 0x80) != 0;
    std::string decoded;
    if (unsynchronised && version < 4) {  // v2.4 unsynchronises frame by frame
        decoded = withoutUnsynchronisation(body);
        body = decoded;
    }
    std::size_t at = version > 2 && (flags & 0x40) != 0 ? extendedHeaderSize(body, version) : 0;
    const std::size_t idSize = version == 2 ? 3 : 4, frameHeaderSize = version == 2 ? 6 : 10;
    // A zero byte where a frame id would begin is the padding.
    while (at + frameHeaderSize <= body.size() && body[at] != '\0') {
        const std::size_t dataSize = frameSize(body, at, version);
        const std::size_t start = at + frameHeaderSize, room = body.size() - start;
        if (std::string* field = fieldOf(song, body.substr(at, idSize))) {
            const unsigned char format = version == 2 ? 0 : byteAt(body, at + 9);
            // A frame that runs past the tag ends with it (substr stops there).
            const auto content = frameContent(body.substr(start, dataSize), version, format, unsynchronised);
            if (content) addTexts(*field, id3TextValues(*content), field == &song.length);
        }
        if (dataSize >= room) break;  // nothing follows
        at = start + dataSize;
    }
    return song;
}

}  // namespace zelvio
