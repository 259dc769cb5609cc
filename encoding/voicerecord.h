#pragma once
// The voice recorder: records speech into "voice.wav", plays it back, and
// encodes it into an MP3 file in the MP3 directory under a typed name.

#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/form.h"
#include "playback/mediadevice.h"

#include <string>

namespace zelvio {

class MainProgram;

class Tmpvoicerecord : public Form {
public:
    explicit Tmpvoicerecord(MainProgram& program);

    MainProgram& program;
    MediaDevice MediaPlayer1;

    // AddBackslash(programdir) + "voice.wav": the one recording.
    std::string voicefile() const;

    void recordvoicebuttClick();
    void StopvoicebuttClick();
    void playvoicebuttClick();
    void CompressvoicebuttClick();
    void okbuttClick();
    void MediaPlayer1Notify();

    Button& recordvoicebutt = control<Button>("recordvoicebutt");
    Button& Stopvoicebutt = control<Button>("Stopvoicebutt");
    Button& playvoicebutt = control<Button>("playvoicebutt");
    Button& Compressvoicebutt = control<Button>("Compressvoicebutt");
    Edit& mpnameedit = control<Edit>("mpnameedit");
    Button& okbutt = control<Button>("okbutt");

private:
    // Record, Stop, Playback and Encode on or off.
    void buttons(bool record, bool stop, bool playback, bool encode);
    // Error 1 or 2: the box, then the memo's line; no encoder runs.
    void recordingError(int number, const std::string& line);
    // Saves what the device recorded into "voice.wav" and closes the device.
    void saveRecording();

    bool unsaved_ = false;  // the device holds a recording not yet in "voice.wav"
};

}  // namespace zelvio
