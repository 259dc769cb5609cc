#include "encoding/encodejob.h"

#include "common/paths.h"
#include "common/workdir.h"
#include "encoding/capturedwave.h"
#include "encoding/encoderline.h"
#include "encoding/wavetemplate.h"
#include "platform/application.h"
#include "platform/filesystem.h"
#include "programs/commandline.h"
#include "programs/runandwait.h"
#include "tags/songtag.h"

namespace zelvio {

namespace {

const char* const missingTrack =
    "Error # 1, Sorry there was an error, the cd track that I just recorded could not be found. This may be because "
    "there was not enough disk space to save it or it was misplaced. All other encoding will be terminated";
const char* const emptyTrack =
    "Error # 2,Sorry there was an error, the cd track that I just recorded had a size of 0 bytes. This may be because "
    "there was not enough disk space to save it or it was misplaced. All other encoding will be terminated";

std::string leftoverTrack(const std::string& path) {
    return "Error # 1, Sorry there was an error, the cd track recorded before, " + path +
           ", could not be deleted, so the next one cannot be recorded there. All other encoding will be terminated";
}

}  // namespace

EncodeJob::EncodeJob(Application& app, const Session& session, Progress& progress)
    : app_(app), session_(session), progress_(progress), recorder_(app), cdPlayer_(app) {
    cdPlayer_.DeviceType = MPDeviceType::dtCDAudio;
    cdPlayer_.OnNotify = [this] { capturedone_ = true; };
}

std::string EncodeJob::tempwave() const { return AddBackslash(session_.workdir) + "temp.wav"; }

SoundSource EncodeJob::source() const {
    return session_.settings.cdmode == CdMode::AudioCd ? SoundSource::Cd : SoundSource::Wave;
}

void EncodeJob::stop() {
    batchstatus_ = BatchStatus::Stopped;
    capturedone_ = true;
    app_.toolkit().postStopMessage();
    progress_.show();
}

void EncodeJob::runTold(const std::string& commandLine, const std::string& what) {
    // In the work directory, where the program's own files may be written.
    const RunOutcome outcome =
        runTellingFailures(app_, progress_, commandLine, what, madeWorkdir(app_.fileSystem(), session_.workdir));
    if (outcome.stopped || outcome.programEnding) batchstatus_ = BatchStatus::Stopped;
}

void EncodeJob::captureError(BatchStatus status, const std::string& line) {
    if (onCaptureError) onCaptureError();
    batchstatus_ = status;
    app_.messageBox(MessageKind::Information,
                    "Error #" + std::to_string(static_cast<int>(status)) + " Please see the output box for more info",
                    MessageButtons::Ok);
    progress_.addLine(line);
}

void EncodeJob::capturetrack(const std::string& wavePath, int track) {
    writeWaveTemplate(app_.fileSystem(), wavePath);
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
        app_.waitUntil([this] { return capturedone_; });
    }
    cdPlayer_.Stop();
    cdPlayer_.Close();
    recorder_.Stop();
    recorder_.Save();
    recorder_.Close();
    progress_.display(0, 0, source(), Activity::None);
}

void EncodeJob::runEncoder(const std::string& input, const EncodeItem& item) {
    FileSystem& fs = app_.fileSystem();
    const std::string output = ShortPath(fs, AddBackslash(session_.mp3Directory)) + item.outputName;
    const std::string commandLine = encoderCommandLine(fs, session_.settings, input, output);
    progress_.addLine("Debug:" + commandLine);
    progress_.display(0, 0, source(), Activity::Encoding);
    runTold(commandLine, "encoder");
}

void EncodeJob::tagMp3(const std::string& mp3, const IndexEntry& entry) {
    try {
        writeSongTag(app_.fileSystem(), mp3, {entry.title, entry.artist, entry.length});
    } catch (const std::exception& error) {
        progress_.addLine("Not tagged: " + mp3 + ": " + error.what());
    }
}

void EncodeJob::encodeTrack(const EncodeItem& item, bool ripCd) {
    FileSystem& fs = app_.fileSystem();
    progress_.show();
    madeWorkdir(fs, session_.workdir);
    // The previous track's capture must never pass for this one's.
    fs.deleteFile(tempwave());
    if (fs.fileExists(tempwave())) {
        captureError(BatchStatus::MissingCapture, leftoverTrack(tempwave()));
        return;
    }
    if (!ripCd) {
        capturetrack(tempwave(), item.track);
    } else {
        const RipperPlaces places{session_.mp3Directory, tempwave(), session_.waveDirectory, session_.workdir};
        runTold("command.com /c " + commandArgument(ShortPath(fs, session_.settings.ripperpath)) + " " +
                    expandripper(fs, session_.settings.rippercommand, places, item.track),
                "ripper");
    }
    const CapturedWave captured = capturedWave(fs, tempwave());
    if (captured == CapturedWave::Missing) captureError(BatchStatus::MissingCapture, missingTrack);
    if (captured == CapturedWave::Empty) captureError(BatchStatus::EmptyCapture, emptyTrack);
    if (batchstatus_ != BatchStatus::Running) return;
    runEncoder(ShortPath(fs, tempwave()), item);
}

void EncodeJob::encodeWave(const EncodeItem& item) {
    progress_.show();
    runEncoder(ShortPath(app_.fileSystem(), AddBackslash(session_.waveDirectory) + item.file), item);
}

void EncodeJob::run(const std::vector<EncodeItem>& items, const EncodeChoices& choices) {
    FileSystem& fs = app_.fileSystem();
    batchstatus_ = BatchStatus::Running;
    for (const EncodeItem& item : items) {
        if (batchstatus_ != BatchStatus::Running) continue;
        // A name from a hand-made index could reach outside the MP3 directory.
        if (!IsPlainFileName(item.outputName)) {
            progress_.addLine("Not encoded: " + NotAFileNameMessage(item.outputName));
            continue;
        }
        const std::string mp3 = AddBackslash(session_.mp3Directory) + item.outputName;
        if (session_.settings.cdmode == CdMode::AudioCd) {
            encodeTrack(item, choices.ripCd);
        } else {
            encodeWave(item);
        }
        // An encoder that made nothing says so, unless the batch stopped before it ran.
        if (batchstatus_ != BatchStatus::Running) continue;
        if (!fs.fileExists(mp3)) {
            progress_.addLine(missingOutputLine(mp3));
        } else if (item.entry) {
            tagMp3(mp3, *item.entry);
        }
    }
    if (choices.deleteTemp) fs.deleteFile(tempwave());
}

}  // namespace zelvio
