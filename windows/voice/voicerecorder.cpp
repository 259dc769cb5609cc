#include "windows/voice/voicerecorder.h"

#include "common/errors.h"
#include "common/filesystem.h"
#include "common/paths.h"
#include "common/workdir.h"
#include "encoding/capturedwave.h"
#include "encoding/encoder.h"
#include "encoding/outcomelines.h"
#include "encoding/wavetemplate.h"
#include "platform/application.h"

namespace zelvio {

namespace {

FormDesign windowDesign() {
    return fixedDialog("Tmpvoicerecord", 23, "Mp3 Zelvio Voice Record", {333, 120}, DialogKind::OnTop);
}

ControlDesign glyphButton(const char* name, Rect bounds, const char* caption, Glyph glyph, unsigned flags) {
    return {.name = name,
            .kind = ControlKind::GlyphButton,
            .bounds = bounds,
            .caption = caption,
            .flags = flags::Bold | flags,
            .glyph = glyph};
}

std::vector<ControlDesign> windowLayout() {
    using K = ControlKind;
    return {
        glyphButton("recordvoicebutt", {8, 8, 75, 41}, "Record", Glyph::Record, 0),
        glyphButton("Stopvoicebutt", {88, 8, 75, 41}, "Stop", Glyph::Stop, flags::Disabled),
        glyphButton("playvoicebutt", {168, 8, 81, 41}, "Playback", Glyph::Play, flags::Disabled),
        glyphButton("Compressvoicebutt", {256, 8, 75, 41}, "Encode", Glyph::Encode, flags::Disabled),
        // As wide as the room before the name field: the text fits in it.
        {.name = "Label1", .kind = K::Label, .bounds = {2, 58, 76, 0}, .caption = "Compress As:", .flags = flags::Bold},
        {.name = "mpnameedit", .kind = K::Edit, .bounds = {80, 56, 249, 21}, .caption = "noname.mp3"},
        {.name = "Bevel1", .kind = K::Bevel, .bounds = {8, 80, 321, 2}, .bevel = BevelKind::TopLine},
        button("okbutt", {256, 88, 75, 25}, "Ok", flags::Bold),
    };
}

const char* const missingRecording =
    "Error # 1, Sorry there was an error, the sound that I just recorded could not be found. This may be because "
    "there was not enough disk space to save it or it was misplaced. All other encoding will be terminated";
const char* const emptyRecording =
    "Error # 2,Sorry there was an error, the sound that I just recorded had a size of 0 bytes. This may be because "
    "there was not enough disk space to save it or it was misplaced. All other encoding will be terminated";

// Stopping and saving report nothing: what they answer stays with the
// device, and a recording that was not saved shows as error 1 or 2.
template <class Command>
void quietly(Command command) {
    try {
        command();
    } catch (const MediaError&) {
    }
}

}  // namespace

Tmpvoicerecord::Tmpvoicerecord(Application& app, const Session& session, Progress& progress)
    : Form(app, windowDesign(), windowLayout()), session_(session), progress_(progress), MediaPlayer1(app.system()) {
    recordvoicebutt.onClick = [this] { recordvoicebuttClick(); };
    Stopvoicebutt.onClick = [this] { StopvoicebuttClick(); };
    playvoicebutt.onClick = [this] { playvoicebuttClick(); };
    Compressvoicebutt.onClick = [this] { CompressvoicebuttClick(); };
    control<Button>("okbutt").onClick = [this] { okbuttClick(); };
    MediaPlayer1.OnNotify = [this] { MediaPlayer1Notify(); };
}

std::string Tmpvoicerecord::voicefile() const { return AddBackslash(session_.workdir) + "voice.wav"; }

void Tmpvoicerecord::buttons(bool record, bool stop, bool playback, bool encode) {
    recordvoicebutt.setEnabled(record);
    Stopvoicebutt.setEnabled(stop);
    playvoicebutt.setEnabled(playback);
    Compressvoicebutt.setEnabled(encode);
}

void Tmpvoicerecord::recordvoicebuttClick() {
    FileSystem& fs = app().fileSystem();
    // A playback left the device holding "voice.wav": let go of it before it is written.
    MediaPlayer1.Close();
    unsaved_ = false;
    madeWorkdir(fs, session_.workdir);
    writeWaveTemplate(fs, voicefile());
    MediaPlayer1.FileName = voicefile();
    MediaPlayer1.OpenForRecording();
    MediaPlayer1.StartRecording();
    unsaved_ = true;
    buttons(false, true, false, false);
}

void Tmpvoicerecord::StopvoicebuttClick() {
    const MPMode mode = MediaPlayer1.Mode();
    if (mode != MPMode::mpRecording && mode != MPMode::mpPlaying) return;
    quietly([this] { MediaPlayer1.Stop(); });
    buttons(true, false, true, true);
}

void Tmpvoicerecord::saveRecording() {
    quietly([this] { MediaPlayer1.Save(); });
    MediaPlayer1.Close();
    unsaved_ = false;
}

void Tmpvoicerecord::playvoicebuttClick() {
    // The recording is played from its file, which it goes into first.
    if (unsaved_) {
        saveRecording();
        MediaPlayer1.Open();
    }
    MediaPlayer1.Play();
    buttons(false, true, true, false);
}

void Tmpvoicerecord::MediaPlayer1Notify() { buttons(true, false, true, true); }

void Tmpvoicerecord::recordingError(int number, const std::string& line) {
    app().messageBox(MessageKind::Information,
                     "Error #" + std::to_string(number) + " Please see the output box for more info",
                     MessageButtons::Ok);
    progress_.addLine(line);
}

void Tmpvoicerecord::CompressvoicebuttClick() {
    FileSystem& fs = app().fileSystem();
    // Refused before anything happens: the recording waits for a better name.
    if (!IsPlainFileName(SpacesToUnderscores(mpnameedit.text()))) {
        app().messageBox(MessageKind::Information, NotAFileNameMessage(mpnameedit.text()), MessageButtons::Ok);
        return;
    }
    progress_.show();
    if (unsaved_) {
        saveRecording();
    } else {
        MediaPlayer1.Close();
    }
    progress_.allowOutput(true);
    const CapturedWave recording = capturedWave(fs, voicefile());
    if (recording == CapturedWave::Missing) recordingError(1, missingRecording);
    if (recording == CapturedWave::Empty) recordingError(2, emptyRecording);
    buttons(false, false, false, false);
    bool kept = false;
    if (recording == CapturedWave::Sound) {
        const EncodeOutcome encoded = Encoder(app().system(), session_.workdir)
                                          .encode(session_.settings, voicefile(), session_.mp3Directory,
                                                  SpacesToUnderscores(mpnameedit.text()));
        if (encoded.encoder) progress_.addLine(troubleLine("encoder", *encoded.encoder));
        const bool ran = !encoded.encoder || encoded.encoder->started;
        if (ran && encoded.noMp3 && encoded.result != EncodeResult::Stopped) {
            progress_.addLine(missingOutputLine(encoded.mp3));
        }
        // Anything but a made MP3 file (a wrong encoder path among it) must
        // not cost the recording: it waits for another Encode.
        kept = encoded.result != EncodeResult::Made;
        if (kept) progress_.addLine("The recording was kept: " + voicefile());
    }
    buttons(true, false, false, kept);
    if (!kept) fs.deleteFile(voicefile());
    if (onEncoded) onEncoded();
}

void Tmpvoicerecord::okbuttClick() {
    FileSystem& fs = app().fileSystem();
    if (fs.fileExists(voicefile())) fs.deleteFile(voicefile());
    buttons(true, false, false, false);
    MediaPlayer1.Close();
    unsaved_ = false;
    // A recording device holds its file open: the deletion before may have
    // failed, and the old recording must not stay behind.
    if (fs.fileExists(voicefile())) fs.deleteFile(voicefile());
    close();
}

}  // namespace zelvio
