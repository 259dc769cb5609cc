#pragma once
// MP3 files made byte by byte for the tests: frames of MPEG-1 Layer III
// silence, and ID3v2.3 tags written as the standard lays them out, so that
// what the tag service writes is checked against bytes it did not make.

#include <string>
#include <vector>

namespace zelvio {

// `count` frames at 128 kbit/s and 44.1 kHz: 417 bytes and 1152 samples each.
inline std::string mpegFrames(int count) {
    std::string frame(417, '\0');
    frame[0] = '\xFF';
    frame[1] = '\xFB';
    frame[2] = '\x90';
    std::string frames;
    for (int i = 0; i < count; ++i) frames += frame;
    return frames;
}

// A text frame in Latin-1: identifier, size (not synchsafe in v2.3), flags, encoding 0, text.
inline std::string id3Frame(const std::string& id, const std::string& text) {
    const std::size_t size = text.size() + 1;
    std::string frame = id;
    for (int shift : {24, 16, 8, 0}) frame += static_cast<char>((size >> shift) & 0xFF);
    frame += std::string(2, '\0') + '\0' + text;
    return frame;
}

// An ID3v2.3 tag of these frames and `padding` zero bytes; its size synchsafe.
inline std::string id3Tag(const std::vector<std::string>& frames, std::size_t padding = 0) {
    std::string body;
    for (const auto& frame : frames) body += frame;
    body.append(padding, '\0');
    std::string tag = "ID3\x03";
    tag += std::string(2, '\0');
    for (int shift : {21, 14, 7, 0}) tag += static_cast<char>((body.size() >> shift) & 0x7F);
    return tag + body;
}

}  // namespace zelvio
