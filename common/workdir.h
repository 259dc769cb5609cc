#pragma once
// Where the program writes its own files: the settings file, the playlist,
// "voice.wav" and "temp.wav". That is the program directory, unless the
// program may not write there (installed in "Program Files", on a read-only
// share); then it is "Mp3 Zelvio" in the user's local application data, where
// Windows wants such files.

#include <string>

namespace zelvio {

class FileSystem;

// Decided once, at start, by making and deleting a file in the program
// directory: `programdir` when both work, else the per-user directory (not
// made yet). Nothing is told to the user either way.
std::string chooseWorkdir(FileSystem& fs, const std::string& programdir);

// The work directory, made first (with any missing parent) when it is not
// there: call it before writing a file into it.
const std::string& madeWorkdir(FileSystem& fs, const std::string& workdir);

}  // namespace zelvio
