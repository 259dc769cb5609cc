#pragma once
// The batch that "Encode Now" runs: each wave file or CD track becomes an MP3
// file in the MP3 directory through the outside encoder; a CD track is first
// captured into "temp.wav", by the media devices or by the direct audio
// ripper. An MP3 file made for a song with an index entry then gets an ID3
// tag from it. Progress and failures go to the information window.

#include "common/indexentry.h"
#include "common/progress.h"
#include "common/session.h"
#include "playback/mediadevice.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelvio {

class Application;

// One file of a batch.
struct EncodeItem {
    std::string file;        // as the wave pane lists it
    int track = 0;           // the CD track it stands for
    std::string outputName;  // the MP3 file's name in the MP3 directory
    // The song's index entry: the MP3 file made for it gets its title, artist and length as a tag.
    std::optional<IndexEntry> entry;
};

struct EncodeChoices {
    bool ripCd = false;      // capture CD tracks with the ripper, not the media devices
    bool deleteTemp = true;  // delete "temp.wav" at the end
};

enum class BatchStatus { Running = 0, MissingCapture = 1, EmptyCapture = 2, Stopped = 100 };

class EncodeJob {
public:
    EncodeJob(Application& app, const Session& session, Progress& progress);

    // Runs the items in order, skipping the rest once a capture failed or
    // Stop was pressed. An error raised meanwhile ends it at once.
    void run(const std::vector<EncodeItem>& items, const EncodeChoices& choices);
    // Ends a running program or capture and skips what is left.
    void stop();
    BatchStatus status() const { return batchstatus_; }

    // Before a capture error's box: the batch's stop button goes.
    std::function<void()> onCaptureError;

    // AddBackslash(workdir) + "temp.wav": where a CD track is captured.
    std::string tempwave() const;
    // What the batch encodes from, as the settings say.
    SoundSource source() const;

private:
    void encodeWave(const EncodeItem& item);
    void encodeTrack(const EncodeItem& item, bool ripCd);
    void capturetrack(const std::string& wavePath, int track);
    void runEncoder(const std::string& input, const EncodeItem& item);
    // Tags the MP3 file with the entry; a file that cannot be tagged costs an output line, nothing more.
    void tagMp3(const std::string& mp3, const IndexEntry& entry);
    // Runs a command line of the batch in the program directory, telling the output when it fails.
    void runTold(const std::string& commandLine, const std::string& what);
    // Error 1 or 2 of a capture: the box, then the output's line.
    void captureError(BatchStatus status, const std::string& line);

    Application& app_;
    const Session& session_;
    Progress& progress_;
    MediaDevice recorder_;  // records the CD track into "temp.wav"
    MediaDevice cdPlayer_;  // plays the CD track
    BatchStatus batchstatus_ = BatchStatus::Running;
    bool capturedone_ = true;  // ends the wait for a CD track's capture
};

}  // namespace zelvio
