#pragma once
// An invisible media device: one MCI device of wave audio or CD audio,
// opened on a file or a disc, that plays, records and reports how far it is.
// StartPos, EndPos and Notify are one-shot: the next command that uses them
// takes them, and then they are gone. Play, Resume and StartRecording notify
// when they end unless told otherwise; the rest wait for the device.

#include "platform/media.h"
#include "platform/system.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace zelvio {

enum class MPDeviceType { dtWaveAudio, dtCDAudio };
enum class MPMode { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

class MediaDevice : public MediaListener {
public:
    explicit MediaDevice(System system);
    ~MediaDevice() override;
    MediaDevice(const MediaDevice&) = delete;
    MediaDevice& operator=(const MediaDevice&) = delete;

    MPDeviceType DeviceType = MPDeviceType::dtWaveAudio;
    std::string FileName;  // a wave device's file; empty for a CD
    std::optional<bool> Notify;
    std::optional<std::uint32_t> StartPos;
    std::optional<std::uint32_t> EndPos;

    // How the last notified command ended, and who hears of it.
    NotifyKind NotifyValue = NotifyKind::Successful;
    std::function<void()> OnNotify;

    bool opened() const { return open_; }
    // Closes the device first when it is open. A wave file's header is
    // checked before the device sees it (requirePlayableWave). A CD device
    // counts in tracks, minutes, seconds and frames.
    void Open();
    // Opens a wave device on no file, ready to record in the format of the
    // wave template (44,100 Hz, 16 bits, stereo); Save then writes FileName.
    // Some wave devices (Wine's) keep a file they recorded into open until
    // the program ends, so a recording never goes into the file it opened.
    void OpenForRecording();
    void Close();
    void Play();
    // Pauses a playing device; resumes any other.
    void Pause();
    // Resumes, or plays when the device cannot resume.
    void Resume();
    void Stop();
    void StartRecording();
    // Saves what was recorded into FileName; nothing when it is empty.
    void Save();

    MPMode Mode();
    // Milliseconds for a wave device; for a CD, the track in byte 0, then
    // minutes, seconds and frames in bytes 1 to 3.
    std::uint32_t Position();
    int Tracks();

    void notified(NotifyKind kind) override;

private:
    std::string send(const std::string& command);
    // "notify" or "wait", as the one-shot Notify or the command's own habit says.
    std::string waitOrNotify(bool notifies);
    // " from S to E" of the one-shot positions.
    std::string range();
    // FileName as the device takes it, in quotes.
    std::string element() const;
    void requireOpen() const;
    std::uint32_t length();

    System system_;
    const std::string alias_;
    bool open_ = false;
};

}  // namespace zelvio
