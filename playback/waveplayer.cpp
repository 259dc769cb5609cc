#include "playback/waveplayer.h"

#include "platform/event_loop.h"

#include <chrono>

namespace zelvio {

namespace {

// How often the position display moves on while nothing else happens.
constexpr std::chrono::milliseconds displayTick{250};

bool ends(const PlayItem& item) { return item.wavePath.empty() && item.track == 0; }

}  // namespace

WavePlayer::WavePlayer(System system, Progress& progress)
    : events_(system.events), progress_(progress), device_(system) {
    device_.OnNotify = [this] { playended_ = true; };
}

void WavePlayer::start(bool first) {
    const PlayItem& item = playlist_[static_cast<std::size_t>(playindex_)];
    if (source_ == SoundSource::Wave) {
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

void WavePlayer::showPosition() {
    const std::uint32_t position = device_.Position();
    if (source_ == SoundSource::Cd) {
        progress_.display((position >> 8) & 0xFF, (position >> 16) & 0xFF, source_, Activity::Playing);
    } else {
        const std::uint32_t seconds = position / 1000;
        progress_.display(static_cast<int>(seconds / 60), static_cast<int>(seconds % 60), source_, Activity::Playing);
    }
}

void WavePlayer::begin(const std::vector<PlayItem>& items, SoundSource source) {
    source_ = source;
    playended_ = false;
    playcount_ = items.size();
    playlist_ = items;
    playlist_.emplace_back();  // the end of the list
    playindex_ = 0;
    if (onPlace) onPlace(false, playcount_ > 1);
    start(true);
}

void WavePlayer::moveOn() {
    device_.Close();
    ++playindex_;
    playended_ = false;
    if (ends(playlist_[static_cast<std::size_t>(playindex_)])) {
        playing_ = false;
        return;
    }
    if (onPlace) onPlace(playindex_ != 0, static_cast<std::size_t>(playindex_) != playcount_ - 1);
    start(false);
}

bool WavePlayer::play(const std::vector<PlayItem>& items, SoundSource source) {
    if (playing_) {
        // The running play ends with the new one: at once when it is empty
        // or its first item cannot be played.
        playing_ = false;
        if (!items.empty()) {
            begin(items, source);
            playing_ = true;
        }
        return false;
    }
    progress_.show();
    progress_.allowOutput(false);
    source_ = source;
    if (!items.empty()) {
        playing_ = true;
        try {
            begin(items, source);
            while (playing_) {
                events_.waitUntil([this] { return playended_ || !playing_ || device_.Mode() != MPMode::mpPlaying; },
                                  {.atMost = displayTick, .throughEnding = true});
                if (!playing_) break;
                if (playended_ || device_.Mode() != MPMode::mpPlaying) moveOn();
                if (playing_) showPosition();
            }
        } catch (...) {
            playing_ = false;
            throw;
        }
    }
    progress_.display(0, 0, source_, Activity::None);
    progress_.allowOutput(false);
    if (onPlace) onPlace(false, false);
    device_.Close();
    return true;
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
