#include "playback/waveplayer.h"

#include "platform/application.h"

#include <chrono>

namespace zelvio {

namespace {

// How often the position display moves on while nothing else happens.
constexpr std::chrono::milliseconds displayTick{250};

bool ends(const PlayItem& item) { return item.wavePath.empty() && item.track == 0; }

}  // namespace

WavePlayer::WavePlayer(Application& app, Progress& progress) : app_(app), progress_(progress), device_(app) {
    device_.OnNotify = [this] { playended_ = true; };
}

void WavePlayer::start(bool first, SoundSource source) {
    const PlayItem& item = playlist_[static_cast<std::size_t>(playindex_)];
    if (source == SoundSource::Wave) {
        device_.DeviceType = MPDeviceType::dtWaveAudio;
        device_.FileName = item.wavePath;
        device_.Open();
    } else {
        const auto track = static_cast<std::uint32_t>(item.track);
        device_.DeviceType = MPDeviceType::dtCDAudio;
        device_.FileName.clear();
        device_.Open();
        device_.StartPos = track;
        // The last track plays to the end of the disc.
        if (static_cast<int>(track) < device_.Tracks()) device_.EndPos = track + 1;
    }
    if (!first) device_.Notify = true;
    device_.Play();
}

void WavePlayer::showPosition(SoundSource source) {
    const std::uint32_t position = device_.Position();
    if (source == SoundSource::Cd) {
        progress_.display((position >> 8) & 0xFF, (position >> 16) & 0xFF, source, Activity::Playing);
    } else {
        const std::uint32_t seconds = position / 1000;
        progress_.display(static_cast<int>(seconds / 60), static_cast<int>(seconds % 60), source, Activity::Playing);
    }
}

void WavePlayer::play(const std::vector<PlayItem>& items, SoundSource source) {
    playended_ = false;
    playdone_ = false;  // a second play inside a first starts its own list
    progress_.show();
    progress_.allowOutput(false);
    if (!items.empty()) {
        playcount_ = items.size();
        playlist_ = items;
        playlist_.emplace_back();  // the end of the list
        playindex_ = 0;
        if (onPlace) onPlace(false, playcount_ > 1);
        start(true, source);
        while (!playdone_) {
            app_.waitUntil([this] { return playended_ || playdone_ || device_.Mode() != MPMode::mpPlaying; },
                           {.atMost = displayTick, .throughEnding = true});
            // A play started meanwhile has run to its end, and this one ends with it.
            if (playdone_) break;
            if (device_.Mode() != MPMode::mpPlaying) playended_ = true;
            if (playended_) {
                device_.Close();
                ++playindex_;
                if (ends(playlist_[static_cast<std::size_t>(playindex_)])) {
                    playdone_ = true;
                } else {
                    if (onPlace) onPlace(playindex_ != 0, static_cast<std::size_t>(playindex_) != playcount_ - 1);
                    start(false, source);
                }
                playended_ = false;
            }
            if (playdone_) break;
            showPosition(source);
        }
    }
    progress_.display(0, 0, source, Activity::None);
    progress_.allowOutput(false);
    if (onPlace) onPlace(false, false);
    device_.Close();
}

void WavePlayer::stop() {
    if (device_.Mode() != MPMode::mpPlaying) return;
    device_.Stop();
    // The loop's next step lands on the empty item that ends the list.
    playindex_ = static_cast<long>(playcount_) - 1;
}

void WavePlayer::back() {
    if (device_.Mode() != MPMode::mpPlaying || playindex_ <= 0) return;
    device_.Stop();
    playindex_ -= 2;
}

void WavePlayer::forward() {
    if (device_.Mode() == MPMode::mpPlaying) device_.Stop();
}

void WavePlayer::pauseOrResume() {
    if (device_.Mode() == MPMode::mpPlaying) {
        device_.Pause();
    } else {
        device_.Resume();
    }
}

}  // namespace zelvio
