// Part of the main window: the wave pane, which plays a selection of wave
// files or audio-CD tracks one after the other.

#include "common/paths.h"
#include "encoding/compress.h"
#include "platform/filesystem.h"
#include "playback/cdtrack.h"
#include "playback/mpzelvio.h"
#include "shell/mainprogram.h"
#include "songindex/indexname.h"

#include <chrono>

namespace zelvio {

namespace {

// How often the position display moves on while nothing else happens.
constexpr std::chrono::milliseconds displayTick{250};

}  // namespace

void TForm1::CheckAudioCd() {
    settings.cdmode = 0;
    if (recfilelist.count() == 0 || !sameindexname(recfilelist.items()[0], "Track01.cda")) return;
    if (app().messageBox(MessageKind::Confirm, "Is this an audio CD?", MessageButtons::YesNo) == MessageResult::Yes) {
        settings.cdmode = 1;
    }
}

void TForm1::PlaySelection() {
    Tcompressinfo& info = *program.compressinfo;
    const bool cd = settings.cdmode == 1;
    playended = false;
    playdone = false;  // a second play inside a first starts its own list
    app().fileSystem().changeDirectory(recdir.directory());
    // The device gets whole paths: closing the window during a play changes
    // the working directory, and the rest of the list must still be found.
    const std::string waveDirectory = AddBackslash(recdir.directory());
    recplay.setEnabled(false);
    recstop.setEnabled(true);
    info.show();
    info.showoutputbutt.setEnabled(false);

    // Opens and plays the entry at playindex.
    auto start = [&](bool first) {
        const std::string& entry = playlist[static_cast<std::size_t>(playindex)];
        if (!cd) {
            MediaPlayer1.DeviceType = MPDeviceType::dtWaveAudio;
            MediaPlayer1.FileName = waveDirectory + entry;
            MediaPlayer1.Open();
        } else {
            const auto track = static_cast<std::uint32_t>(std::stoul(entry));
            MediaPlayer1.DeviceType = MPDeviceType::dtCDAudio;
            MediaPlayer1.FileName.clear();
            MediaPlayer1.Open();
            MediaPlayer1.StartPos = track;
            // The last track plays to the end of the disc.
            if (static_cast<int>(track) < MediaPlayer1.Tracks()) MediaPlayer1.EndPos = track + 1;
        }
        if (!first) MediaPlayer1.Notify = true;
        MediaPlayer1.Play();
    };

    const std::vector<std::size_t> selected = recfilelist.selection();
    if (!selected.empty()) {
        playcount = selected.size();
        if (playcount > 1) recfwd.setEnabled(true);
        playlist.clear();
        for (std::size_t item : selected) {
            const std::string& name = recfilelist.items()[item];
            playlist.push_back(cd ? std::to_string(cdTrackNumber(name, item)) : name);
        }
        playlist.emplace_back();  // the end of the list

        playindex = 0;
        recback.setEnabled(false);
        start(true);
        while (!playdone) {
            app().waitForEvents(displayTick);
            // A play started meanwhile has run to its end, and this one ends with it.
            if (playdone) break;
            if (MediaPlayer1.Mode() != MPMode::mpPlaying) playended = true;
            if (playended) {
                MediaPlayer1.Close();
                ++playindex;
                if (playlist[static_cast<std::size_t>(playindex)].empty()) {
                    playdone = true;
                } else {
                    recfwd.setEnabled(static_cast<std::size_t>(playindex) != playcount - 1);
                    recback.setEnabled(playindex != 0);
                    start(false);
                }
                playended = false;
            }
            if (playdone) break;
            const std::uint32_t position = MediaPlayer1.Position();
            if (cd) {
                info.setdisplay((position >> 8) & 0xFF, (position >> 16) & 0xFF, settings.cdmode, 1);
            } else {
                const std::uint32_t seconds = position / 1000;
                info.setdisplay(static_cast<int>(seconds / 60), static_cast<int>(seconds % 60), settings.cdmode, 1);
            }
        }
    }
    info.setdisplay(0, 0, settings.cdmode, 0);
    info.showoutputbutt.setEnabled(false);
    recback.setEnabled(false);
    recfwd.setEnabled(false);
    recplay.setEnabled(true);
    recstop.setEnabled(false);
    MediaPlayer1.Close();
}

void TForm1::recstopClick() {
    if (MediaPlayer1.Mode() != MPMode::mpPlaying) return;
    MediaPlayer1.Stop();
    // The loop's next step lands on the empty entry that ends the list.
    playindex = static_cast<long>(playcount) - 1;
}

void TForm1::recbackClick() {
    if (MediaPlayer1.Mode() != MPMode::mpPlaying || playindex <= 0) return;
    MediaPlayer1.Stop();
    playindex -= 2;
}

void TForm1::recfwdClick() {
    if (MediaPlayer1.Mode() == MPMode::mpPlaying) MediaPlayer1.Stop();
}

void TForm1::recpauseClick() {
    if (MediaPlayer1.Mode() == MPMode::mpPlaying) {
        MediaPlayer1.Pause();
    } else {
        MediaPlayer1.Resume();
    }
}

void TForm1::MediaPlayer1Notify() { playended = true; }

}  // namespace zelvio
