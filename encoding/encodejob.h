#pragma once
// The batch that "Encode Now" runs: each wave file or CD track becomes an MP3
// file in the MP3 directory through the outside encoder; a CD track is first
// captured into "temp.wav", by the media devices or by the direct audio
// ripper. An MP3 file made for a song with an index entry then gets an ID3
// tag from it. The batch tells what became of each file as it goes, and the
// window that runs it says so.

#include "common/indexentry.h"
#include "common/progress.h"
#include "common/session.h"
#include "encoding/encodeoutcome.h"
#include "platform/system.h"
#include "playback/mediadevice.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelvio {

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

class EncodeJob {
public:
    EncodeJob(System system, Progress& progress);

    // Runs the items in order on a copy of the session taken now, skipping
    // the rest once a capture failed or Stop was pressed; tells each item's
    // outcome as it comes (onItem) and returns them all. An error raised
    // meanwhile ends it at once.
    std::vector<EncodeOutcome> run(const std::vector<EncodeItem>& items, const EncodeChoices& choices,
                                   const Session& session);
    // Ends a running program or capture and skips what is left.
    void stop();

    // What became of an item, as soon as it is known.
    std::function<void(const EncodeItem& item, const EncodeOutcome& outcome)> onItem;

    // What the last batch encoded from, as its settings said.
    SoundSource source() const;

private:
    EncodeOutcome encodeItem(const EncodeItem& item, bool ripCd);
    // Captures the CD track into temp.wav; the fault that left no sound there.
    CaptureFault captureTrack(const EncodeItem& item, bool ripCd, EncodeOutcome& outcome);
    void recordTrack(const std::string& wavePath, int track);
    // Tags the MP3 file with the entry; a file that cannot be tagged says why.
    std::string tagMp3(const std::string& mp3, const IndexEntry& entry);
    std::string tempwave() const;

    System system_;
    Progress& progress_;
    Session session_;       // the batch's own copy, taken when it starts
    MediaDevice recorder_;  // records the CD track into "temp.wav"
    MediaDevice cdPlayer_;  // plays the CD track
    bool stopped_ = false;
    bool capturedone_ = true;  // ends the wait for a CD track's capture
};

}  // namespace zelvio
