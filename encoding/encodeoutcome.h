#pragma once
// What became of one file a batch or the voice recorder encoded. The window
// that asked turns it into its boxes, output lines and buttons; nothing
// here shows anything.

#include <optional>
#include <string>

namespace zelvio {

enum class EncodeResult {
    Made,     // the encoder ended with exit code 0 and the MP3 file holds audio
    Failed,   // no MP3 file came of it (see why below)
    Stopped,       // Stop was pressed, or the program is ending
    Skipped,       // never tried: the batch had stopped or a capture had failed
    NotAFileName,  // never tried: the MP3 file's name would reach outside its directory
};

// An outside program of the encoding that did not end well.
struct ProgramTrouble {
    std::string commandLine;
    bool started = true;
    std::string errorText;       // the system's text when it could not be started
    unsigned long exitCode = 0;  // when it ran: its failure code
};

// A capture (or a recording) that left no sound to encode: error 1 or 2.
enum class CaptureFault {
    None,
    Missing,   // error 1: no file
    Leftover,  // error 1: the previous capture could not be deleted out of its way
    Empty,     // error 2: no samples
};

struct EncodeOutcome {
    EncodeResult result = EncodeResult::Failed;
    std::string mp3;   // the MP3 file's whole path
    std::string wave;  // the wave file it was made from, or a CD track was captured into
    CaptureFault capture = CaptureFault::None;
    std::optional<ProgramTrouble> ripper;   // went on to the capture's check all the same
    std::optional<ProgramTrouble> encoder;  // the encoder did not end well
    bool noMp3 = false;                     // the encoder ran and left no MP3 file, or an empty one
    std::string notTagged;                  // made, but its tag could not be written: why
};

// The number of the error a capture fault is told as: 1 or 2.
inline int errorNumber(CaptureFault fault) { return fault == CaptureFault::Empty ? 2 : 1; }

}  // namespace zelvio
