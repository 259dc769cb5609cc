#include "encoding/encodejob.h"

#include "common/filesystem.h"
#include "common/paths.h"
#include "common/workdir.h"
#include "encoding/capturedwave.h"
#include "encoding/encoder.h"
#include "encoding/encoderline.h"
#include "encoding/wavetemplate.h"
#include "platform/event_loop.h"
#include "programs/commandline.h"
#include "tags/songtag.h"

namespace zelvio {

EncodeJob::EncodeJob(System system, Progress& progress)
    : system_(system), progress_(progress), recorder_(system), cdPlayer_(system) {
    cdPlayer_.DeviceType = MPDeviceType::dtCDAudio;
    cdPlayer_.OnNotify = [this] { capturedone_ = true; };
}

std::string EncodeJob::tempwave() const { return AddBackslash(session_.workdir) + "temp.wav"; }

SoundSource EncodeJob::source() const {
    return session_.settings.cdmode == CdMode::AudioCd ? SoundSource::Cd : SoundSource::Wave;
}

void EncodeJob::stop() {
    stopped_ = true;
    capturedone_ = true;
    system_.events.postStopMessage();
    progress_.show();
}

void EncodeJob::recordTrack(const std::string& wavePath, int track) {
    writeWaveTemplate(system_.fileSystem, wavePath);
    recorder_.FileName = wavePath;
    recorder_.OpenForRecording();
    cdPlayer_.DeviceType = MPDeviceType::dtCDAudio;
    cdPlayer_.Open();
    cdPlayer_.StartPos = static_cast<std::uint32_t>(track);
    if (track < cdPlayer_.Tracks()) cdPlayer_.EndPos = static_cast<std::uint32_t>(track + 1);
    recorder_.StartRecording();
    cdPlayer_.Play();
    capturedone_ = false;
    progress_.display(0, 0, source(), Activity::Recording);
    if (cdPlayer_.Mode() == MPMode::mpPlaying) {
        capturedone_ = false;
        system_.events.waitUntil([this] { return capturedone_; });
    }
    cdPlayer_.Stop();
    cdPlayer_.Close();
    recorder_.Stop();
    recorder_.Save();
    recorder_.Close();
    progress_.display(0, 0, source(), Activity::None);
}

std::string EncodeJob::tagMp3(const std::string& mp3, const IndexEntry& entry) {
    try {
        writeSongTag(system_.fileSystem, mp3, {entry.title, entry.artist, entry.length});
        return {};
    } catch (const std::exception& error) {
        return error.what();
    }
}

CaptureFault EncodeJob::captureTrack(const EncodeItem& item, bool ripCd, EncodeOutcome& outcome) {
    FileSystem& fs = system_.fileSystem;
    madeWorkdir(fs, session_.workdir);
    // The previous track's capture must never pass for this one's.
    fs.deleteFile(tempwave());
    if (fs.fileExists(tempwave())) return CaptureFault::Leftover;
    if (!ripCd) {
        recordTrack(tempwave(), item.track);
    } else {
        const RipperPlaces places{session_.mp3Directory, tempwave(), session_.waveDirectory, session_.workdir};
        const std::string commandLine = "command.com /c " +
                                        commandArgument(ShortPath(fs, session_.settings.ripperpath)) + " " +
                                        expandripper(fs, session_.settings.rippercommand, places, item.track);
        const RunOutcome run = Encoder(system_, session_.workdir).run(commandLine);
        outcome.ripper = troubleOf(run, commandLine);
        if (run.stopped || run.programEnding) stopped_ = true;
    }
    switch (capturedWave(fs, tempwave())) {
        case CapturedWave::Missing:
            return CaptureFault::Missing;
        case CapturedWave::Empty:
            return CaptureFault::Empty;
        case CapturedWave::Sound:
            break;
    }
    return CaptureFault::None;
}

EncodeOutcome EncodeJob::encodeItem(const EncodeItem& item, bool ripCd) {
    EncodeOutcome outcome{.mp3 = AddBackslash(session_.mp3Directory) + item.outputName};
    progress_.show();
    outcome.wave = AddBackslash(session_.waveDirectory) + item.file;
    if (session_.settings.cdmode == CdMode::AudioCd) {
        outcome.wave = tempwave();
        outcome.capture = captureTrack(item, ripCd, outcome);
        if (outcome.capture != CaptureFault::None) return outcome;
        if (stopped_) {
            outcome.result = EncodeResult::Stopped;
            return outcome;
        }
    }
    const EncodeOutcome encoded = Encoder(system_, session_.workdir)
                                      .encode(session_.settings, outcome.wave, session_.mp3Directory, item.outputName,
                                              [this](const std::string& commandLine) {
                                                  progress_.addLine("Debug:" + commandLine);
                                                  progress_.display(0, 0, source(), Activity::Encoding);
                                              });
    outcome.result = encoded.result;
    outcome.encoder = encoded.encoder;
    outcome.noMp3 = encoded.noMp3;
    if (outcome.result == EncodeResult::Stopped) stopped_ = true;
    if (outcome.result == EncodeResult::Made && item.entry) outcome.notTagged = tagMp3(outcome.mp3, *item.entry);
    return outcome;
}

std::vector<EncodeOutcome> EncodeJob::run(const std::vector<EncodeItem>& items, const EncodeChoices& choices,
                                          const Session& session) {
    session_ = session;
    stopped_ = false;
    std::vector<EncodeOutcome> outcomes;
    bool failedCapture = false;
    for (const EncodeItem& item : items) {
        EncodeOutcome outcome{.result = EncodeResult::Skipped,
                              .mp3 = AddBackslash(session_.mp3Directory) + item.outputName};
        if (!stopped_ && !failedCapture) {
            // A name from a hand-made index could reach outside the MP3 directory.
            outcome = IsPlainFileName(item.outputName) ? encodeItem(item, choices.ripCd)
                                                       : EncodeOutcome{.result = EncodeResult::NotAFileName};
        }
        failedCapture = failedCapture || outcome.capture != CaptureFault::None;
        if (onItem) onItem(item, outcome);
        outcomes.push_back(std::move(outcome));
    }
    if (choices.deleteTemp) system_.fileSystem.deleteFile(tempwave());
    return outcomes;
}

}  // namespace zelvio
