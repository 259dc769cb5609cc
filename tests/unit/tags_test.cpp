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
        id3Tag({"TIT2\x00\x00\x10\x00" + std::string(2, '\0') + "\0Cut"}) + audio,       // a frame longer than its tag
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
