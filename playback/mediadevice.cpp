#include "playback/mediadevice.h"

#include "common/errors.h"
#include "common/filesystem.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "platform/event_loop.h"
#include "playback/playablewave.h"

#include <atomic>

namespace zelvio {

namespace {

std::string nextAlias() {
    static std::atomic<int> devices{0};
    return "zelvio" + std::to_string(++devices);
}

MPMode modeOf(const std::string& reply) {
    if (reply == "stopped") return MPMode::mpStopped;
    if (reply == "playing") return MPMode::mpPlaying;
    if (reply == "recording") return MPMode::mpRecording;
    if (reply == "seeking") return MPMode::mpSeeking;
    if (reply == "paused") return MPMode::mpPaused;
    if (reply == "open") return MPMode::mpOpen;
    return MPMode::mpNotReady;
}

// A position as the device's time format writes it: a number, or for a CD
// "tt:mm:ss:ff", packed into bytes 0 to 3.
std::uint32_t positionOf(const std::string& reply) {
    if (reply.find(':') == std::string::npos) return static_cast<std::uint32_t>(StrToInt(reply));
    std::uint32_t packed = 0;
    std::size_t start = 0;
    for (int byte = 0; byte < 4 && start <= reply.size(); ++byte) {
        std::size_t end = reply.find(':', start);
        if (end == std::string::npos) end = reply.size();
        packed |= (static_cast<std::uint32_t>(StrToInt(reply.substr(start, end - start))) & 0xFF) << (8 * byte);
        start = end + 1;
    }
    return packed;
}

// The longest file name the wave device opens, long paths or not (mmioOpen).
constexpr std::size_t longestElement = 259;

}  // namespace

// Quoted, as a path may hold blanks; a longer name than the device opens by its 8.3 form.
std::string MediaDevice::element() const {
    const std::string path = FileName.size() > longestElement ? ShortPath(system_.fileSystem, FileName) : FileName;
    return "\"" + path + "\"";
}

MediaDevice::MediaDevice(System system) : system_(system), alias_(nextAlias()) {}

MediaDevice::~MediaDevice() {
    if (!open_) return;
    try {
        Close();
    } catch (...) {
        // Nothing may leave a destructor; the system closes what is left at the end.
    }
}

std::string MediaDevice::send(const std::string& command) {
    const bool notifies = command.ends_with(" notify");
    return system_.media.send(command, notifies ? this : nullptr);
}

std::string MediaDevice::waitOrNotify(bool notifies) {
    const bool notify = Notify.value_or(notifies);
    Notify.reset();
    return notify ? " notify" : notifies ? "" : " wait";
}

std::string MediaDevice::range() {
    std::string text;
    if (StartPos) text += " from " + std::to_string(*StartPos);
    if (EndPos) text += " to " + std::to_string(*EndPos);
    StartPos.reset();
    EndPos.reset();
    return text;
}

void MediaDevice::requireOpen() const {
    if (!open_) throw MediaError("No MCI device open");
}

void MediaDevice::Open() {
    if (open_) Close();
    const bool cd = DeviceType == MPDeviceType::dtCDAudio;
    if (!cd) requirePlayableWave(system_.fileSystem, FileName);
    const std::string what = cd ? "cdaudio" : element() + " type waveaudio";
    send("open " + what + " alias " + alias_ + waitOrNotify(false));
    open_ = true;
    if (cd) send("set " + alias_ + " time format tmsf wait");
}

void MediaDevice::OpenForRecording() {
    if (open_) Close();
    DeviceType = MPDeviceType::dtWaveAudio;
    send("open new type waveaudio alias " + alias_ + waitOrNotify(false));
    open_ = true;
    send("set " + alias_ + " bitspersample 16 samplespersec 44100 channels 2 alignment 4 bytespersec 176400 wait");
}

void MediaDevice::Close() {
    if (!open_) return;
    open_ = false;
    const std::string how = waitOrNotify(false);
    try {
        send("close " + alias_ + how);
    } catch (...) {
        system_.media.forget(this);
        throw;
    }
    // What the closed device still had to say (an aborted play) is not heard.
    system_.media.forget(this);
}

void MediaDevice::Play() {
    requireOpen();
    // A wave device at its end starts again from the beginning, unless told where.
    if (DeviceType == MPDeviceType::dtWaveAudio && !StartPos && !EndPos && Mode() != MPMode::mpPlaying &&
        Position() >= length()) {
        send("seek " + alias_ + " to start wait");
    }
    const std::string positions = range();
    send("play " + alias_ + positions + waitOrNotify(true));
}

void MediaDevice::Pause() {
    requireOpen();
    if (Mode() == MPMode::mpPlaying) {
        send("pause " + alias_ + waitOrNotify(false));
    } else {
        Resume();
    }
}

void MediaDevice::Resume() {
    requireOpen();
    const std::string how = waitOrNotify(true);
    try {
        send("resume " + alias_ + how);
    } catch (const MediaError&) {
        Play();
    }
}

void MediaDevice::Stop() {
    requireOpen();
    send("stop " + alias_ + waitOrNotify(false));
}

void MediaDevice::StartRecording() {
    requireOpen();
    const std::string positions = range();
    send("record " + alias_ + positions + waitOrNotify(true));
}

void MediaDevice::Save() {
    requireOpen();
    if (FileName.empty()) return;
    send("save " + alias_ + " " + element() + waitOrNotify(false));
}

MPMode MediaDevice::Mode() {
    if (!open_) return MPMode::mpNotReady;
    return modeOf(send("status " + alias_ + " mode wait"));
}

std::uint32_t MediaDevice::Position() {
    requireOpen();
    return positionOf(send("status " + alias_ + " position wait"));
}

std::uint32_t MediaDevice::length() { return positionOf(send("status " + alias_ + " length wait")); }

int MediaDevice::Tracks() {
    requireOpen();
    return StrToInt(send("status " + alias_ + " number of tracks wait"));
}

void MediaDevice::notified(NotifyKind kind) {
    NotifyValue = kind;
    if (OnNotify) system_.events.dispatch(OnNotify);
}

}  // namespace zelvio
