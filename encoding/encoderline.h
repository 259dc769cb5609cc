#pragma once
// The command lines of the outside programs that make and capture sound: the
// encoder, run through "command.com /c" as the DOS encoders need, and the
// direct audio ripper with its place codes.

#include <string>

namespace zelvio {

class FileSystem;
struct Settings;

// "command.com /c ENCODER INPUT OUTPUT FLAGS": the encoder in its 8.3 form,
// the input and output as given, the flags as stored (an empty one leaves
// the line ending in a space).
std::string encoderCommandLine(FileSystem& fs, const Settings& settings, const std::string& input,
                               const std::string& output);

// The directories a ripper's command text may name.
struct RipperPlaces {
    std::string mp3Directory;   // %M
    std::string tempwave;       // %O, where the capture goes
    std::string waveDirectory;  // %R
    std::string workdir;        // %W, where the program keeps its own files
};

// The ripper's command text with "%M", "%O", "%R" and "%W" replaced by their
// places (in 8.3 form, "%W" with its "\"; quoted when a name has no 8.3 form
// and holds a blank) and "%T" by the track number. Any
// other "%" goes with the character after it; one at the very end goes alone.
std::string expandripper(FileSystem& fs, const std::string& command, const RipperPlaces& places, int track);

}  // namespace zelvio
