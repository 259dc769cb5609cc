#include "platform/headless/headless_media.h"

#include "common/errors.h"
#include "common/riffwave.h"
#include "common/waveheader.h"
#include "platform/headless/headless_filesystem.h"
#include "platform/headless/headless_text_files.h"
#include "platform/headless/headless_toolkit.h"

#include <algorithm>
#include <cctype>

namespace zelvio {

namespace {

// The system's texts for the MCI errors the simulation raises.
constexpr const char* NotRecognized = "The specified device is not open or is not recognized by MCI.";
constexpr const char* FileNotFound = "Cannot find the specified file. Make sure the path and filename are correct.";
constexpr const char* InvalidFile =
    "The specified file cannot be played on the specified MCI device. The file may be corrupt, or not in the "
    "correct format.";
constexpr const char* NotReady = "The device driver is not ready.";
constexpr const char* Unsupported = "The MCI device you are using does not support the specified command.";
constexpr const char* OutOfRange = "The specified parameter is out of range for the specified command.";

constexpr int framesPerSecond = 75;

// The words of a command; a quoted word keeps its blanks.
std::vector<std::string> wordsOf(const std::string& command) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < command.size()) {
        if (command[at] == ' ') {
            ++at;
        } else if (command[at] == '"') {
            const std::size_t close = command.find('"', at + 1);
            words.push_back(command.substr(at + 1, close == std::string::npos ? std::string::npos : close - at - 1));
            at = close == std::string::npos ? command.size() : close + 1;
        } else {
            const std::size_t end = std::min(command.find(' ', at), command.size());
            words.push_back(command.substr(at, end - at));
            at = end;
        }
    }
    return words;
}

bool has(const std::vector<std::string>& words, const std::string& word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

// The word after `key`, if any.
std::optional<std::string> after(const std::vector<std::string>& words, const std::string& key) {
    const auto found = std::find(words.begin(), words.end(), key);
    if (found == words.end() || found + 1 == words.end()) return std::nullopt;
    return *(found + 1);
}

std::string twoDigits(long long value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

HeadlessMedia::HeadlessMedia(HeadlessFileSystem& fs, HeadlessToolkit& toolkit) : fs_(fs), toolkit_(toolkit) {}

HeadlessMedia::Device& HeadlessMedia::device(const std::string& alias) {
    const auto found = devices_.find(alias);
    if (found == devices_.end()) throw MediaError(NotRecognized);
    return found->second;
}

// The length a wave file's header gives: its data chunk's size at its byte rate.
HeadlessMedia::Milliseconds HeadlessMedia::wavLength(const std::string& path) {
    if (!fs_.fileExists(path)) throw MediaError(FileNotFound);
    const RiffWave wave = readRiffWave(*makeHeadlessByteReader(fs_.fileBytes(path)));
    if (wave.fault != WaveFault::None || wave.format->averageBytesPerSecond == 0) throw MediaError(InvalidFile);
    return Milliseconds(static_cast<long long>(wave.data->declaredSize) * 1000 / wave.format->averageBytesPerSecond);
}

void HeadlessMedia::open(const std::vector<std::string>& words) {
    const std::string element = words.size() > 1 ? words[1] : "";
    const auto alias = after(words, "alias");
    if (!alias) throw MediaError(Unsupported);
    if (const auto failure = openFailures_.find(element); failure != openFailures_.end()) {
        throw MediaError(failure->second);
    }
    Device opened;
    if (element == "cdaudio") {
        if (!cd_) throw MediaError(NotReady);
        opened.cd = true;
        for (const auto track : *cd_) opened.length += track;
    } else if (element == "new") {
        // Nothing yet: a recording to come.
    } else {
        opened.length = wavLength(element);
        opened.file = element;
    }
    if (devices_.contains(*alias)) throw MediaError("The specified alias is already being used in this application. Use a unique alias.");
    // The wave driver keeps its file open until the device is closed.
    if (!opened.file.empty()) fs_.hold(opened.file);
    devices_[*alias] = opened;
}

HeadlessMedia::Milliseconds HeadlessMedia::position(const Device& d) const {
    if (d.mode == "recording") return toolkit_.clock().now - d.startedAt;
    if (d.mode != "playing") return d.position;
    return std::min(d.playFrom + (toolkit_.clock().now - d.startedAt), d.playTo);
}

// A position the program gave: milliseconds, or in tmsf a track's start.
HeadlessMedia::Milliseconds HeadlessMedia::positionArgument(const Device& d, const std::string& word) const {
    const long long value = std::stoll(word);
    if (!d.tmsf) {
        if (value < 0 || Milliseconds(value) > d.length) throw MediaError(OutOfRange);
        return Milliseconds(value);
    }
    const long long track = value & 0xFF;
    if (track < 1 || track > static_cast<long long>(cd_->size()) + 1) throw MediaError(OutOfRange);
    Milliseconds start{0};
    for (long long t = 1; t < track; ++t) start += (*cd_)[static_cast<std::size_t>(t - 1)];
    return start;
}

std::string HeadlessMedia::formatPosition(const Device& d, Milliseconds at) const {
    if (!d.tmsf) return std::to_string(at.count());
    std::size_t track = 0;
    Milliseconds start{0};
    while (track + 1 < cd_->size() && at >= start + (*cd_)[track]) start += (*cd_)[track++];
    const long long inTrack = (at - start).count();
    return twoDigits(static_cast<long long>(track) + 1) + ":" + twoDigits(inTrack / 60000) + ":" +
           twoDigits(inTrack / 1000 % 60) + ":" + twoDigits(inTrack % 1000 * framesPerSecond / 1000);
}

std::string HeadlessMedia::status(Device& d, const std::vector<std::string>& words) {
    if (has(words, "mode")) return position(d) >= d.playTo && d.mode == "playing" ? "stopped" : d.mode;
    if (has(words, "position")) return formatPosition(d, position(d));
    if (has(words, "length")) return d.tmsf ? formatPosition(d, d.length) : std::to_string(d.length.count());
    if (has(words, "tracks")) {
        if (!d.cd) throw MediaError(Unsupported);
        return std::to_string(cd_->size());
    }
    throw MediaError(Unsupported);
}

void HeadlessMedia::deliver(MediaListener* listener, NotifyKind kind) {
    const unsigned long long generation = generations_[listener];
    toolkit_.post([this, listener, kind, generation] {
        if (generations_[listener] == generation) listener->notified(kind);
    });
}

void HeadlessMedia::stopPlaying(Device& d, NotifyKind kind) {
    d.position = position(d);
    if (d.mode == "recording") {
        // The device now holds the recording, and stands at its end.
        d.recorded = d.position;
        d.length = d.recorded;
    }
    d.mode = "stopped";
    d.play = 0;
    if (d.pendingPlay != 0 && d.listener != nullptr) deliver(d.listener, kind);
    d.pendingPlay = 0;
}

void HeadlessMedia::play(const std::string& alias, Device& d, const std::vector<std::string>& words, bool notify,
                         MediaListener* listener) {
    if (d.pendingPlay != 0 && d.listener != nullptr) deliver(d.listener, NotifyKind::Superseded);
    d.pendingPlay = 0;
    const auto from = after(words, "from");
    const auto to = after(words, "to");
    d.playFrom = from ? positionArgument(d, *from) : position(d);
    d.playTo = to ? positionArgument(d, *to) : d.length;
    if (d.playTo < d.playFrom) throw MediaError(OutOfRange);
    d.startedAt = toolkit_.clock().now;
    d.mode = "playing";
    d.play = ++plays_;
    if (notify) {
        d.listener = listener;
        d.pendingPlay = d.play;
    }
    const unsigned long long thisPlay = d.play;
    toolkit_.postAt(d.startedAt + (d.playTo - d.playFrom), [this, alias, thisPlay] {
        const auto found = devices_.find(alias);
        if (found == devices_.end() || found->second.play != thisPlay) return;  // stopped, closed or replaced
        Device& ended = found->second;
        ended.position = ended.playTo;
        ended.mode = "stopped";
        ended.play = 0;
        if (ended.pendingPlay == thisPlay && ended.listener != nullptr) {
            ended.pendingPlay = 0;
            ended.listener->notified(NotifyKind::Successful);
        }
    });
}

// Records until stopped, without end; in CD quality, as the wave template asks.
void HeadlessMedia::record(Device& d, bool notify, MediaListener* listener) {
    if (d.cd) throw MediaError(Unsupported);
    if (d.pendingPlay != 0 && d.listener != nullptr) deliver(d.listener, NotifyKind::Superseded);
    d.mode = "recording";
    d.startedAt = toolkit_.clock().now;
    d.play = ++plays_;
    d.pendingPlay = notify ? d.play : 0;
    if (notify) d.listener = listener;
}

// A wave file whose header says how long the recording is; the samples
// themselves are left out.
void HeadlessMedia::save(Device& d, const std::vector<std::string>& words) {
    if (d.cd || words.size() < 3) throw MediaError(Unsupported);
    if (saveFailure_) throw MediaError(*saveFailure_);
    constexpr std::uint32_t bytesPerSecond = 176400;
    const auto data = static_cast<std::uint32_t>(d.recorded.count() * bytesPerSecond / 1000);
    // A device may save over the file it holds itself.
    if (!d.file.empty()) fs_.letGo(d.file);
    try {
        fs_.writeBytes(words[2], waveHeader(2, 44100, 16, data));
    } catch (...) {
        if (!d.file.empty()) fs_.hold(d.file);
        throw;
    }
    if (!d.file.empty()) fs_.hold(d.file);
}

std::string HeadlessMedia::send(const std::string& command, MediaListener* listener) {
    commands_.push_back(command);
    const std::vector<std::string> words = wordsOf(command);
    if (words.empty()) throw MediaError(Unsupported);
    const std::string& verb = words[0];
    if (const auto failure = commandFailures_.find(verb); failure != commandFailures_.end()) {
        const std::string text = failure->second;
        commandFailures_.erase(failure);
        throw MediaError(text);
    }
    if (verb == "open") {
        open(words);
        return {};
    }
    if (words.size() < 2) throw MediaError(Unsupported);
    const std::string& alias = words[1];
    Device& d = device(alias);
    const bool notify = has(words, "notify");
    if (verb == "close") {
        if (d.mode == "playing" || d.mode == "recording") stopPlaying(d, NotifyKind::Aborted);
        if (!d.file.empty()) fs_.letGo(d.file);
        devices_.erase(alias);
    } else if (verb == "set") {
        if (d.cd && has(words, "tmsf")) {
            d.tmsf = true;
        } else if (d.cd || !has(words, "samplespersec")) {
            throw MediaError(Unsupported);
        }
    } else if (verb == "play") {
        play(alias, d, words, notify, listener);
    } else if (verb == "resume") {
        if (d.mode != "paused") throw MediaError(Unsupported);
        play(alias, d, {}, notify, listener);
    } else if (verb == "pause") {
        if (d.mode == "playing") {
            d.position = position(d);
            d.mode = "paused";
            d.play = 0;
        }
    } else if (verb == "stop") {
        if (d.mode == "playing" || d.mode == "paused" || d.mode == "recording") stopPlaying(d, NotifyKind::Aborted);
    } else if (verb == "record") {
        record(d, notify, listener);
    } else if (verb == "save") {
        save(d, words);
    } else if (verb == "seek") {
        if (d.mode == "playing") stopPlaying(d, NotifyKind::Aborted);
        d.position = Milliseconds(0);
    } else if (verb == "status") {
        return status(d, words);
    } else {
        throw MediaError(Unsupported);
    }
    return {};
}

void HeadlessMedia::forget(MediaListener* listener) {
    ++generations_[listener];
    for (auto& [alias, d] : devices_) {
        if (d.listener == listener) d.listener = nullptr;
    }
}

}  // namespace zelvio
