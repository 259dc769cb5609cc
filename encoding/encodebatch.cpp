// Part of the index data dialog: the batch that "Encode Now" runs, turning
// each file of the list into an MP3 file through the outside encoder; CD
// tracks are first captured into "temp.wav".

#include "common/paths.h"
#include "encoding/capturedwave.h"
#include "encoding/commandline.h"
#include "encoding/compress.h"
#include "encoding/runandwait.h"
#include "encoding/wavetemplate.h"
#include "platform/filesystem.h"
#include "playback/mpzelvio.h"
#include "shell/mainprogram.h"
#include "songindex/zelvioindex.h"

#include <chrono>

namespace zelvio {

namespace {

constexpr int stoppedByUser = 100;
constexpr std::chrono::milliseconds captureTick{250};

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

std::string TIndexdata::tempwave() const { return AddBackslash(program.Form1->programdir) + "temp.wav"; }

std::string TIndexdata::outputname(std::size_t item) const {
    const int line = item < entryline.size() ? entryline[item] : -1;
    return SpacesToUnderscores(line >= 0 ? indexlist[static_cast<std::size_t>(line)] : pairingname(FileList.items()[item]));
}

std::string TIndexdata::encoderline(const std::string& input, std::size_t item) {
    FileSystem& fs = app().fileSystem();
    const TForm1& main = *program.Form1;
    const std::string output = ShortPath(fs, AddBackslash(main.mp3dir.directory())) + outputname(item);
    return "command.com /c " + commandArgument(ShortPath(fs, main.settings.encoderpath)) + " " +
           commandArgument(input) + " " + commandArgument(output) + " " + main.settings.encodeflags;
}

std::string TIndexdata::expandripper(int track) {
    FileSystem& fs = app().fileSystem();
    const TForm1& main = *program.Form1;
    const std::string& text = main.settings.rippercommand;
    std::string expanded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            expanded += text[i];
            continue;
        }
        if (++i == text.size()) break;  // a "%" at the very end is dropped
        switch (text[i]) {
            case 'M':
                expanded += commandArgument(ShortPath(fs, main.mp3dir.directory()));
                break;
            case 'O':
                expanded += commandArgument(ShortPath(fs, tempwave()));
                break;
            case 'R':
                expanded += commandArgument(ShortPath(fs, main.recdir.directory()));
                break;
            case 'T':
                expanded += std::to_string(track);
                break;
            case 'W':
                expanded += AddBackslash(main.programdir);
                break;
            default:
                break;  // any other letter goes, with its "%"
        }
    }
    return expanded;
}

void TIndexdata::run(const std::string& commandLine, const std::string& what) {
    const RunOutcome outcome = runTellingFailures(app(), program.compressinfo->outputmemo, commandLine, what);
    if (outcome.stopped || outcome.programEnding) batchstatus = stoppedByUser;
}

void TIndexdata::captureError(int number, const std::string& line) {
    stopbutt.setVisible(false);
    batchstatus = number;
    app().messageBox(MessageKind::Information,
                     "Error #" + std::to_string(number) + " Please see the output box for more info",
                     MessageButtons::Ok);
    program.compressinfo->outputmemo.addLine(line);
}

void TIndexdata::capturetrack(const std::string& wavePath, int track) {
    FileSystem& fs = app().fileSystem();
    Tcompressinfo& info = *program.compressinfo;
    const int cdmode = program.Form1->settings.cdmode;
    fs.changeDirectory(program.Form1->startdir);
    writeWaveTemplate(fs, wavePath);
    MediaPlayer1.FileName = wavePath;
    MediaPlayer1.OpenForRecording();
    MediaPlayer2.DeviceType = MPDeviceType::dtCDAudio;
    MediaPlayer2.Open();
    MediaPlayer2.StartPos = static_cast<std::uint32_t>(track);
    if (track < MediaPlayer2.Tracks()) MediaPlayer2.EndPos = static_cast<std::uint32_t>(track + 1);
    MediaPlayer1.StartRecording();
    MediaPlayer2.Play();
    capturedone = false;
    info.setdisplay(0, 0, cdmode, 2);
    if (MediaPlayer2.Mode() == MPMode::mpPlaying) {
        capturedone = false;
        while (!capturedone) app().waitForEvents(captureTick);
    }
    MediaPlayer2.Stop();
    MediaPlayer2.Close();
    MediaPlayer1.Stop();
    MediaPlayer1.Save();
    MediaPlayer1.Close();
    info.setdisplay(0, 0, cdmode, 0);
}

void TIndexdata::encodeTrack(std::size_t item) {
    FileSystem& fs = app().fileSystem();
    TForm1& main = *program.Form1;
    Tcompressinfo& info = *program.compressinfo;
    const int track = item < tracknumbers.size() ? tracknumbers[item] : static_cast<int>(item) + 1;
    fs.changeDirectory(main.programdir);
    info.show();
    // The previous track's capture must never pass for this one's.
    fs.deleteFile(tempwave());
    if (fs.fileExists(tempwave())) {
        captureError(1, leftoverTrack(tempwave()));
        return;
    }
    if (!RipCdCheck.checked()) {
        capturetrack(tempwave(), track);
    } else {
        run("command.com /c " + commandArgument(ShortPath(fs, main.settings.ripperpath)) + " " + expandripper(track),
            "ripper");
    }
    const CapturedWave captured = capturedWave(fs, tempwave());
    if (captured == CapturedWave::Missing) captureError(1, missingTrack);
    if (captured == CapturedWave::Empty) captureError(2, emptyTrack);
    if (batchstatus != 0) return;
    const std::string commandLine = encoderline(ShortPath(fs, tempwave()), item);
    info.outputmemo.addLine("Debug:" + commandLine);
    info.setdisplay(0, 0, main.settings.cdmode, 3);
    fs.changeDirectory(main.programdir);
    run(commandLine, "encoder");
}

void TIndexdata::encodeWave(std::size_t item) {
    FileSystem& fs = app().fileSystem();
    TForm1& main = *program.Form1;
    Tcompressinfo& info = *program.compressinfo;
    info.show();
    const std::string input = ShortPath(fs, AddBackslash(main.recdir.directory()) + FileList.items()[item]);
    const std::string commandLine = encoderline(input, item);
    info.setdisplay(0, 0, main.settings.cdmode, 3);
    info.outputmemo.addLine("Debug:" + commandLine);
    fs.changeDirectory(main.programdir);
    run(commandLine, "encoder");
}

void TIndexdata::compresnowClick() {
    FileSystem& fs = app().fileSystem();
    TForm1& main = *program.Form1;
    Tcompressinfo& info = *program.compressinfo;
    batchstatus = 0;
    info.outputmemo.setLines({});
    info.showoutputbutt.setEnabled(true);
    if (saveindex.enabled() && app().messageBox(MessageKind::Confirm, "Save Index Before Compress?",
                                                MessageButtons::YesCancel) == MessageResult::Yes) {
        writeindex(fs, indexedit.text(), indexlist);
        saveindex.setEnabled(false);
    }
    stopbutt.setVisible(true);
    Okbutt.setEnabled(false);
    info.donebutt.setEnabled(false);

    const std::size_t count = FileList.count();
    for (std::size_t item = 0; item < count; ++item) {
        if (batchstatus != 0) continue;
        // A name from a hand-made index could reach outside the MP3 directory.
        if (!IsPlainFileName(outputname(item))) {
            info.outputmemo.addLine("Not encoded: " + NotAFileNameMessage(outputname(item)));
            continue;
        }
        const std::string mp3 = AddBackslash(main.mp3dir.directory()) + outputname(item);
        if (main.settings.cdmode == 1) {
            encodeTrack(item);
        } else {
            encodeWave(item);
        }
        // An encoder that made nothing says so, unless the batch stopped before it ran.
        if (batchstatus == 0 && !fs.fileExists(mp3)) info.outputmemo.addLine(missingOutputLine(mp3));
    }

    if (KillTempcheck.checked()) fs.deleteFile(tempwave());
    main.mp3dir.update();
    stopbutt.setVisible(false);
    Okbutt.setEnabled(true);
    info.donebutt.setEnabled(true);
    info.setdisplay(0, 0, main.settings.cdmode, 0);
}

void TIndexdata::stopbuttClick() {
    batchstatus = stoppedByUser;
    capturedone = true;
    app().toolkit().postStopMessage();
    program.compressinfo->show();
}

void TIndexdata::MediaPlayer2Notify() { capturedone = true; }

}  // namespace zelvio
