#pragma once
// The voice recorder: records speech into "voice.wav", plays it back, and
// encodes it into an MP3 file in the MP3 directory under a typed name.

#include "common/progress.h"
#include "common/session.h"
#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/form.h"
#include "playback/mediadevice.h"

#include <functional>
#include <string>

namespace zelvio {

class Application;

class Tmpvoicerecord : public Form {
public:
    Tmpvoicerecord(Application& app, const Session& session, Progress& progress);

    // Record on; Stop, Playback and Encode off.
    void resetToIdle() { buttons(true, false, false, false); }
    // After an encode: the MP3 directory may hold a new file.
    std::function<void()> onEncoded;

    // AddBackslash(workdir) + "voice.wav": the one recording.
    std::string voicefile() const;

private:
    void recordvoicebuttClick();
    void StopvoicebuttClick();
    void playvoicebuttClick();
    void CompressvoicebuttClick();
    void okbuttClick();
    void MediaPlayer1Notify();
    // Record, Stop, Playback and Encode on or off.
    void buttons(bool record, bool stop, bool playback, bool encode);
    // Error 1 or 2: the box, then the output's line; no encoder runs.
    void recordingError(int number, const std::string& line);
    // Saves what the device recorded into "voice.wav" and closes the device.
    void saveRecording();

    const Session& session_;
    Progress& progress_;
    MediaDevice MediaPlayer1;
    bool unsaved_ = false;  // the device holds a recording not yet in "voice.wav"
    Button& recordvoicebutt = control<Button>("recordvoicebutt");
    Button& Stopvoicebutt = control<Button>("Stopvoicebutt");
    Button& playvoicebutt = control<Button>("playvoicebutt");
    Button& Compressvoicebutt = control<Button>("Compressvoicebutt");
    Edit& mpnameedit = control<Edit>("mpnameedit");
};

}  // namespace zelvio
