// The song list's lines for real-world MP3 files from other projects' test
// data (tests/corpus/tags), against what an independent reader (mutagen)
// read from each (expected.tsv): whatever it reads, the song list shows.

#include "platform/headless/headless_filesystem.h"
#include "playback/songlines.h"
#include "playback/songtext.h"
#include "tags/taglength.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace zelvio {
namespace {

const std::string corpus = ZELVIO_TAG_CORPUS;

std::string hostFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct Reading {
    std::string file, title, artist, lengthMs, status;
};

std::vector<Reading> mutagenReadings() {
    std::istringstream tsv(hostFile(corpus + "/expected.tsv"));
    std::string heads;
    std::getline(tsv, heads);
    std::vector<Reading> readings;
    for (Reading r; std::getline(tsv, r.file, '\t');) {
        for (std::string* field : {&r.title, &r.artist, &r.lengthMs}) std::getline(tsv, *field, '\t');
        std::getline(tsv, r.status);
        readings.push_back(r);
    }
    return readings;
}

// Where we read more than mutagen: an APE tag, which it does not read, or a
// tag running past the file's end, which it gives up on though the frames
// before the end are whole.
const std::map<std::string, std::pair<std::string, std::string>> readBeyondMutagen = {
    {"taglib-ape.mp3", {"Title", ""}},
    {"taglib-compressed_id3_frame.mp3", {"Braveheart Theme (Techno remix", "Moby"}},
    {"taglib-compressed_id3_frame_invalid.mp3", {"Braveheart Theme (Techno remix", "Moby"}},
    {"taglib-excessive_alloc.mp3", {"Bush", "Rihanna"}},
    {"taglib-extended-header.mp3", {"Druids", "Excelsis"}},
    {"taglib-w000.mp3", {"Knowing You", "Sergio Galoyan f. Tamra Keenan"}},
};

TEST(TagCorpus, TheSongListShowsWhatAnIndependentReaderReadsFromEveryFile) {
    const auto readings = mutagenReadings();
    ASSERT_EQ(readings.size(), 45u);
    HeadlessFileSystem fs;
    for (const Reading& mutagen : readings) {
        SCOPED_TRACE(mutagen.file);
        const std::string bytes = hostFile(corpus + "/" + mutagen.file), path = "C:\\MUSIC\\" + mutagen.file;
        fs.putFile(path, bytes);
        std::string title = mutagen.title, artist = mutagen.artist;
        if (const auto beyond = readBeyondMutagen.find(mutagen.file); beyond != readBeyondMutagen.end()) {
            // More, never other: only where mutagen read nothing.
            EXPECT_TRUE(bytes.find("APETAGEX") != std::string::npos || mutagen.status.starts_with("mutagen-error"));
            EXPECT_TRUE((title.empty() || title == beyond->second.first) &&
                        (artist.empty() || artist == beyond->second.second));
            std::tie(title, artist) = beyond->second;
        }

        const auto line = taggedLine(fs, "C:\\MUSIC", mutagen.file);
        EXPECT_EQ(fs.fileBytes(path), bytes);  // reading writes nothing
        if (title.empty() && artist.empty()) {
            EXPECT_FALSE(line.has_value()) << line->text;  // the bare file name
        } else if (!line.has_value() || line->columns.size() != 2) {
            ADD_FAILURE() << "the bare file name, not the song";
        } else {
            EXPECT_EQ(line->text.substr(0, line->columns[1]), songtext(IndexEntry{"", title, artist, ""}));
            // The length: TLEN's, or the audio's where mutagen could measure it.
            if (!mutagen.lengthMs.empty()) {
                EXPECT_EQ(line->text.substr(line->columns[1]), lengthText(std::stoll(mutagen.lengthMs)));
            }
        }
    }
    EXPECT_EQ(fs.list("C:\\MUSIC").size(), readings.size());  // and leaves no file behind
}

}  // namespace
}  // namespace zelvio
