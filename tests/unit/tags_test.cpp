// The tag service: lengths between the index's text and TLEN, tags written
// after encoding and read where the index is silent, on the headless file
// system.

#include "mp3_bytes.h"

#include "common/errors.h"
#include "platform/headless/headless_filesystem.h"
#include "tags/songtag.h"
#include "tags/taglength.h"

#include <gtest/gtest.h>

namespace zelvio {
namespace {

using namespace std::string_literals;

int occurrences(const std::string& bytes, const std::string& part) {
    int count = 0;
    for (auto at = bytes.find(part); at != std::string::npos; at = bytes.find(part, at + 1)) ++count;
    return count;
}

TEST(TagLength, MinutesAndHoursBecomeMillisecondsAndBack) {
    EXPECT_EQ(lengthMilliseconds("3:10"), 190000);
    EXPECT_EQ(lengthMilliseconds("1:02:03"), 3723000);
    EXPECT_EQ(lengthMilliseconds(" 0:04 "), 4000);
    EXPECT_EQ(lengthMilliseconds("75:00"), 4500000);  // minutes need not stop at 59
    EXPECT_EQ(lengthText(190000), "3:10");
    EXPECT_EQ(lengthText(3723999), "1:02:03");  // parts of a second dropped
    EXPECT_EQ(lengthText(4000), "0:04");
    EXPECT_EQ(lengthText(0), "0:00");
}

TEST(TagLength, TextThatIsNoLengthGivesNone) {
    for (const char* text : {"", "3", "3:7", "3:60", "1:60:00", "3:10:", ":10", "1:2:3", "1:02:03:04", "3.10",
                             "-1:00", "abc", "3:1x", "1234567:00", "3 :10"}) {
        EXPECT_EQ(lengthMilliseconds(text), std::nullopt) << text;
    }
}

class SongTagTest : public ::testing::Test {
protected:
    HeadlessFileSystem fs;
    const std::string path = "C:\\MUSIC\\song.mp3";
    const std::string audio = mpegFrames(20);
};

TEST_F(SongTagTest, AWrittenTagReadsBackExactlyInAnyScript) {
    fs.putFile(path, audio);
    writeSongTag(fs, path, {"Café Ölçek", "東京 Trio", "3:10"});
    EXPECT_EQ(readSongTag(fs, path), (SongTag{"Café Ölçek", "東京 Trio", "3:10"}));
    const std::string bytes = fs.fileBytes(path);
    EXPECT_EQ(bytes.substr(0, 4), "ID3\x03");
    EXPECT_EQ(occurrences(bytes, id3Frame("TLEN", "190000")), 1);
    // ID3v1 for old players: Latin-1 in the last 128 bytes, after the audio.
    ASSERT_GT(bytes.size(), audio.size() + 128);
    EXPECT_EQ(bytes.substr(bytes.size() - 128, 3), "TAG");
    EXPECT_EQ(bytes.substr(bytes.size() - 125, 10), "Caf\xE9 \xD6l\xE7" "ek");
    EXPECT_EQ(bytes.substr(bytes.size() - 128 - audio.size(), audio.size()), audio);
}

TEST_F(SongTagTest, TheThreeFramesAreReplacedAndTheEncodersOtherFramesKept) {
    const std::vector<std::string> others = {id3Frame("TSSE", "LAME 3.100"), id3Frame("TALB", "Demo")};
    fs.putFile(path, id3Tag({id3Frame("TIT2", "Old"), others[0], id3Frame("TPE1", "Old Artist"),
                             id3Frame("TLEN", "1000"), others[1]},
                            64) +
                         audio);
    writeSongTag(fs, path, {"New", "New Artist", "1:02:03"});
    const std::string bytes = fs.fileBytes(path);
    // The ID3v1 tag at the end carries both: the title in its first 30 bytes, the artist in the next 30.
    EXPECT_EQ(bytes.substr(bytes.size() - 128, 3 + 30 + 30),
              "TAG" + ("New" + std::string(27, '\0')) + ("New Artist" + std::string(20, '\0')));
    for (const auto& frame : others) EXPECT_EQ(occurrences(bytes, frame), 1);
    EXPECT_EQ(occurrences(bytes, "TIT2"), 1);
    EXPECT_EQ(occurrences(bytes, "TPE1"), 1);
    EXPECT_EQ(occurrences(bytes, id3Frame("TLEN", "3723000")), 1);
    EXPECT_EQ(occurrences(bytes, "Old"), 0);
    EXPECT_EQ(readSongTag(fs, path), (SongTag{"New", "New Artist", "1:02:03"}));

    // A length that is no length leaves the encoder's TLEN as it was; an empty artist has no frame.
    writeSongTag(fs, path, {"Newer", "", "about three minutes"});
    EXPECT_EQ(readSongTag(fs, path), (SongTag{"Newer", "", "1:02:03"}));
    EXPECT_EQ(occurrences(fs.fileBytes(path), "TPE1"), 0);
}

TEST_F(SongTagTest, WithoutTlenTheLengthIsTheAudiosOwn) {
    fs.putFile(path, id3Tag({id3Frame("TIT2", "Five Seconds")}) + mpegFrames(200));  // 200 x 1152 samples
    EXPECT_EQ(readSongTag(fs, path), (SongTag{"Five Seconds", "", "0:05"}));
}

TEST_F(SongTagTest, ATagLongerThanTheFirstBlockIsReadWhole) {
    // A picture-sized frame before the title, and padding after it.
    fs.putFile(path, id3Tag({id3Frame("TXXX", std::string(6000, 'p')), id3Frame("TIT2", "Late Title"),
                             id3Frame("TPE1", "Late Artist"), id3Frame("TLEN", "61000")},
                            9000) +
                         audio);
    EXPECT_EQ(readSongTag(fs, path), (SongTag{"Late Title", "Late Artist", "1:01"}));
    // The tag says it is longer than the file: what there is is read.
    fs.putFile(path, id3Tag({id3Frame("TIT2", "Cut"), id3Frame("TLEN", "1000")}, 9000).substr(0, 5000));
    EXPECT_EQ(readSongTag(fs, path), (SongTag{"Cut", "", "0:01"}));
}

TEST_F(SongTagTest, DamagedOrMissingTagsReadAsNone) {
    const std::string cases[] = {
        "",
        audio,                                                     // no tag at all
        "ID3",                                                     // cut short in the header
        "ID3\x03" + std::string(2, '\0') + "\x7F\x7F\x7F\x7F" + "TIT2\xFF\xFF\xFF\xFF",  // sizes past the end
        id3Tag({id3Frame("TCON", "Pop")}) + audio,                 // a tag without title or artist
        "RIFF" + id3Tag({id3Frame("TIT2", "Hidden")}) + audio,     // not an MP3 file's beginning
    };
    for (const std::string& bytes : cases) {
        fs.putFile(path, bytes);
        EXPECT_EQ(readSongTag(fs, path), std::nullopt) << bytes.substr(0, 24);
    }
    EXPECT_EQ(readSongTag(fs, "C:\\MUSIC\\missing.mp3"), std::nullopt);
    fs.putFile(path, id3Tag({id3Frame("TIT2", "Fine")}) + audio);
    fs.failOpening(path);
    EXPECT_EQ(readSongTag(fs, path), std::nullopt);
}

// A frame as its version lays it out: v2.2's three-byte size and no flags;
// v2.3's plain four bytes; v2.4's syncsafe ones, or plain as iTunes wrote them.
std::string frame(int version, const std::string& id, const std::string& data, char format = 0,
                  bool plainSize = false) {
    const std::size_t size = data.size();
    std::string bytes = id;
    for (int i = version == 2 ? 2 : 3; i >= 0; --i) {
        bytes += static_cast<char>(version == 4 && !plainSize ? (size >> (7 * i)) & 0x7F : (size >> (8 * i)) & 0xFF);
    }
    if (version > 2) bytes += std::string(1, '\0') + format;
    return bytes + data;
}

std::string tag(int version, const std::string& frames, char flags = 0) {
    std::string bytes = "ID3" + std::string(1, static_cast<char>(version)) + '\0' + flags;
    for (int shift : {21, 14, 7, 0}) bytes += static_cast<char>((frames.size() >> shift) & 0x7F);
    return bytes + frames;
}

// A text frame's data: the encoding's number, then the text's bytes.
std::string text(char encoding, const std::string& bytes) { return encoding + bytes; }

TEST_F(SongTagTest, ABadFrameCostsThatFrameAlone) {
    const std::string tlen = id3Frame("TLEN", "61000");
    const std::string compressed = std::string(4, '\x10') + text(0, "Title");  // behind its size uncompressed
    const std::pair<std::string, SongTag> cases[] = {
        {id3Tag({"t\x01T\xFF" + id3Frame("TIT2", "junk").substr(4), id3Frame("TIT2", "Title"), tlen}),
         {"Title", "", "1:01"}},  // an id no frame has
        {id3Tag({frame(3, "TIT2", ""), id3Frame("TPE1", "Artist"), tlen}), {"", "Artist", "1:01"}},  // empty
        {id3Tag({frame(3, "TIT2", text(7, "Title")), id3Frame("TPE1", "Artist"), tlen}),
         {"", "Artist", "1:01"}},  // an encoding no one defined
        {id3Tag({frame(3, "TIT2", compressed, '\x80'), id3Frame("TPE1", "Artist"), tlen}),
         {"", "Artist", "1:01"}},  // compressed, which TagLib for Windows does not open either
    };
    for (const auto& [bytes, read] : cases) {
        fs.putFile(path, bytes + audio);
        EXPECT_EQ(readSongTag(fs, path), read) << read.title;
    }
}

TEST_F(SongTagTest, AFrameRunningPastItsTagEndsWithTheTag) {
    // The title frame claims 4 KB; the audio behind the tag is no part of it.
    fs.putFile(path, id3Tag({id3Frame("TLEN", "5000"), "TIT2\x00\x00\x10\x00\0\0\0Cut"s}) + audio);
    EXPECT_EQ(readSongTag(fs, path), (SongTag{"Cut", "", "0:05"}));
}

TEST_F(SongTagTest, AnId3v1TagCountsWhereTheFileDoesNotBeginAsAnMp3) {
    std::string v1 = "TAG" + std::string(125, '\0');
    v1.replace(3, 8, "V1 Title");
    v1.replace(33, 9, "V1 Artist");
    for (const std::string& before : {std::string(700, '\0'), "RIFF" + id3Tag({id3Frame("TIT2", "Hidden")})}) {
        fs.putFile(path, before + audio + v1);
        EXPECT_EQ(readSongTag(fs, path), (SongTag{"V1 Title", "V1 Artist", ""}));
    }
}

TEST_F(SongTagTest, V24SizesAndUnsynchronisationAndEveryTextEncoding) {
    // iTunes wrote v2.4 frames with plain sizes: 300 read as syncsafe (172) would end inside the
    // frame. An empty frame after it, as iTunes writes them too, is no reason to drop the rest.
    const std::string itunes = frame(4, "TXXX", text(0, std::string(299, 'x')), 0, true) + frame(4, "TENC", "");
    fs.putFile(path, tag(4, itunes + frame(4, "TIT2", text(3, "iTunes")) + frame(4, "TLEN", text(0, "1000"))) + audio);
    EXPECT_EQ(readSongTag(fs, path), (SongTag{"iTunes", "", "0:01"}));

    // A frame unsynchronised on its own, behind its data length: 0xFF 0x00 is 0xFF.
    const std::string unsynchronised = frame(4, "TIT2", "\0\0\0\x04"s + text(0, "A\xFF\x00\xE9"s), '\x03');
    // UTF-16 big-endian without a byte-order mark, two texts; UTF-16 with one, a character beyond 16 bits.
    const std::string artists =
        frame(4, "TPE1", text(2, "\0A\0r\0\0\0B"s)) + frame(4, "TPE1", text(1, "\xFF\xFE\x3C\xD8\xB5\xDF"));
    fs.putFile(path, tag(4, unsynchronised + artists + frame(4, "TLEN", text(3, "2000"))) + audio);
    EXPECT_EQ(readSongTag(fs, path), (SongTag{"A\xC3\xBF\xC3\xA9", "Ar / B / \xF0\x9F\x8E\xB5", "0:02"}));

    // Text marked UTF-8 that is none is Latin-1 mislabelled.
    fs.putFile(path, tag(4, frame(4, "TIT2", text(3, "Caf\xE9")) + frame(4, "TLEN", text(0, "3000"))) + audio);
    EXPECT_EQ(readSongTag(fs, path), (SongTag{"Caf\xC3\xA9", "", "0:03"}));
}

TEST_F(SongTagTest, ALineBreakInATagNeverReachesTheIndexAsOne) {
    fs.putFile(path, id3Tag({id3Frame("TIT2", "Two\r\nLines"), id3Frame("TPE1", "Tab\tbed")}) + audio);
    EXPECT_EQ(readSongTag(fs, path), (SongTag{"Two  Lines", "Tab bed", "0:00"}));
}

TEST_F(SongTagTest, AFileThatCannotBeTaggedStaysAsItWas) {
    const SongTag tag{"Title", "Artist", "3:10"};
    fs.putFile(path, audio);
    fs.setReadOnly(path, true);
    EXPECT_THROW(writeSongTag(fs, path, tag), InOutError);
    fs.setReadOnly(path, false);
    fs.failWritingAfter(0);  // the disk fills while the tagged copy is written
    EXPECT_THROW(writeSongTag(fs, path, tag), InOutError);
    EXPECT_EQ(fs.fileBytes(path), audio);
    EXPECT_EQ(fs.list("C:\\MUSIC"), std::vector<std::string>{"song.mp3"});  // no copy left behind

    const std::pair<std::string, const char*> notMp3s[] = {
        {id3Tag({id3Frame("TIT2", "Only a tag")}), "the file holds no MPEG audio"},
        {"RIFF" + audio, "the file does not begin as an MP3 file does"},
    };
    for (const auto& [bytes, why] : notMp3s) {
        fs.putFile(path, bytes);
        try {
            writeSongTag(fs, path, tag);
            ADD_FAILURE() << "tagged " << why;
        } catch (const InOutError& error) {
            EXPECT_STREQ(error.what(), why);
        }
        EXPECT_EQ(fs.fileBytes(path), bytes);
    }
    EXPECT_THROW(writeSongTag(fs, "C:\\MUSIC\\missing.mp3", tag), InOutError);
}

}  // namespace
}  // namespace zelvio
