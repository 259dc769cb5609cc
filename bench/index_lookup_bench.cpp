// Rebuilding the song list of a directory of n MP3 files against an index of
// n entries: one lookupentry per file (n reads of the index) against one
// IndexLookup asked n times (one read); then the main window's whole rebuild
// (listing, sorting, one read of the index, display texts) on the headless
// backend; and the same for n MP3 files with ID3v2 tags and no index, where
// each line comes from the file's tag.

#include "app/mainprogram.h"
#include "platform/controls/directory_list.h"
#include "platform/controls/list_box.h"
#include "platform/form.h"
#include "platform/headless/headless_platform.h"
#include "songindex/indexfile.h"
#include "songindex/indexlookup.h"
#include "tests/unit/mp3_bytes.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace zelvio {
namespace {

const std::string indexPath = "C:\\MUSIC\\index.dat";

struct SongDirectory {
    HeadlessFileSystem fs;
    std::vector<std::string> mp3Names;

    explicit SongDirectory(int count) { fill(fs, count); }

    void fill(HeadlessFileSystem& fs, int count) {
        WorkingCopy lines;
        for (int i = 0; i < count; ++i) {
            const std::string name = "song_" + std::to_string(i) + ".mp3";
            // Listed in upper case, as a directory listing may give them.
            std::string listed = name;
            for (char& c : listed) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
            mp3Names.push_back(listed);
            lines.insert(lines.end(), {name, "Title of song " + std::to_string(i), "Some Artist", "3:45"});
        }
        fs.makeDirectories("C:\\MUSIC");
        writeindex(fs, indexPath, lines);
        for (const auto& name : mp3Names) fs.putFile("C:\\MUSIC\\" + name, "");
    }
};

void BM_LookupEntryPerFile(benchmark::State& state) {
    SongDirectory directory(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        int found = 0;
        for (const auto& name : directory.mp3Names) found += lookupentry(directory.fs, indexPath, name).has_value();
        benchmark::DoNotOptimize(found);
        if (found != static_cast<int>(directory.mp3Names.size())) state.SkipWithError("a song was not found");
    }
}

void BM_IndexLookupOnce(benchmark::State& state) {
    SongDirectory directory(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const IndexLookup lookup(directory.fs, indexPath);
        int found = 0;
        for (const auto& name : directory.mp3Names) found += lookup.find(name) != nullptr;
        benchmark::DoNotOptimize(found);
        if (found != static_cast<int>(directory.mp3Names.size())) state.SkipWithError("a song was not found");
    }
}

// The song list of C:\MUSIC built again and again by the real main window,
// with the tags it reads while idle; `firstSong` is how its first and last
// lines must begin.
void rebuildSongList(benchmark::State& state, HeadlessPlatform& headless, std::size_t count,
                     const std::string& firstSong) {
    MainProgram program(headless.platform());
    Form& window = *program.app().mainForm();
    auto& mp3dir = window.control<DirectoryList>("mp3dir");
    auto& songs = window.control<ListBox>("mpsonglist");
    mp3dir.setDirectory("C:\\MUSIC");
    for (auto _ : state) {
        mp3dir.update();  // the directory read again, then the song list built from it
        while (headless.toolkit.eventsDue()) headless.toolkit.processMessages();
        if (songs.count() != count || !songs.items().front().starts_with(firstSong) ||
            !songs.items().back().starts_with(firstSong)) {
            state.SkipWithError("songs are missing or not named as they should be");
        }
    }
}

void BM_WholeSongListRebuild(benchmark::State& state) {
    HeadlessPlatform headless;
    SongDirectory directory(0);
    directory.fill(headless.fs, static_cast<int>(state.range(0)));
    rebuildSongList(state, headless, directory.mp3Names.size(), "");
}

// A tag as LAME writes one (title, artist, length, encoder; padding), before a few frames of audio.
std::string taggedMp3(int i) {
    return id3Tag({id3Frame("TSSE", "LAME 64bits version 3.100"), id3Frame("TIT2", "Title of song " + std::to_string(i)),
                   id3Frame("TPE1", "Some Artist"), id3Frame("TLEN", "225000")},
                  256) +
           mpegFrames(4);
}

void BM_TaggedSongListRebuild(benchmark::State& state) {
    HeadlessPlatform headless;
    const auto count = static_cast<std::size_t>(state.range(0));
    headless.fs.makeDirectories("C:\\MUSIC");
    for (std::size_t i = 0; i < count; ++i) {
        headless.fs.putFile("C:\\MUSIC\\song_" + std::to_string(i) + ".mp3", taggedMp3(static_cast<int>(i)));
    }
    rebuildSongList(state, headless, count, "Title of song");
}

BENCHMARK(BM_LookupEntryPerFile)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexLookupOnce)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeSongListRebuild)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TaggedSongListRebuild)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelvio
