#pragma once
// MCI devices without sound: wave files last as long as their headers say,
// CDs as long as a test says their tracks do, and time is the headless
// clock's. Commands are parsed as MCI parses them, so the program's command
// strings are what is tested. Notifications arrive as posted events, when
// the program waits.

#include "platform/media.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zelvio {

class HeadlessFileSystem;
class HeadlessToolkit;

class HeadlessMedia : public MediaControl {
public:
    HeadlessMedia(HeadlessFileSystem& fs, HeadlessToolkit& toolkit);

    std::string send(const std::string& command, MediaListener* listener) override;
    void forget(MediaListener* listener) override;

    // A disc in the CD drive, with the lengths of its tracks; without one,
    // opening the CD device fails as a drive without a disc does.
    void insertCd(std::vector<std::chrono::milliseconds> tracks) { cd_ = std::move(tracks); }
    void ejectCd() { cd_.reset(); }
    // Opening this element (a wave file's path as sent, or "cdaudio") fails with the text.
    void failOpening(const std::string& element, const std::string& text) { openFailures_[element] = text; }
    // Saving a recording fails with the text.
    void failSaving(const std::string& text) { saveFailure_ = text; }
    // The next command of this verb ("record", "play") fails with the text.
    void failCommand(const std::string& verb, const std::string& text) { commandFailures_[verb] = text; }

    // Every command sent, in order.
    const std::vector<std::string>& commands() const { return commands_; }

private:
    using Milliseconds = std::chrono::milliseconds;
    struct Device {
        bool cd = false;
        std::string file;            // a wave device's element
        Milliseconds recorded{0};    // what the last recording took in
        Milliseconds length{0};
        bool tmsf = false;
        std::string mode = "stopped";
        Milliseconds position{0};   // where it stands when not playing
        Milliseconds startedAt{0};  // clock time the play began
        Milliseconds playFrom{0};
        Milliseconds playTo{0};
        unsigned long long play = 0;  // which play is running, for its end
        MediaListener* listener = nullptr;
        unsigned long long pendingPlay = 0;  // the play a notification is owed for
    };

    Device& device(const std::string& alias);
    void open(const std::vector<std::string>& words);
    std::string status(Device& device, const std::vector<std::string>& words);
    void play(const std::string& alias, Device& device, const std::vector<std::string>& words, bool notify,
              MediaListener* listener);
    Milliseconds position(const Device& device) const;
    Milliseconds positionArgument(const Device& device, const std::string& word) const;
    std::string formatPosition(const Device& device, Milliseconds at) const;
    Milliseconds wavLength(const std::string& path);
    void deliver(MediaListener* listener, NotifyKind kind);
    void record(Device& device, bool notify, MediaListener* listener);
    void save(Device& device, const std::vector<std::string>& words);
    // Stops a play; its owed notification goes out as `kind`.
    void stopPlaying(Device& device, NotifyKind kind);

    HeadlessFileSystem& fs_;
    HeadlessToolkit& toolkit_;
    std::map<std::string, Device> devices_;  // by alias
    std::map<MediaListener*, unsigned long long> generations_;  // raised by forget
    std::optional<std::vector<Milliseconds>> cd_;
    std::map<std::string, std::string> openFailures_;
    std::optional<std::string> saveFailure_;
    std::map<std::string, std::string> commandFailures_;  // by verb, each failing once
    std::vector<std::string> commands_;
    unsigned long long plays_ = 0;
};

}  // namespace zelvio
