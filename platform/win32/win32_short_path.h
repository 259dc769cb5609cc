#pragma once
// The 8.3 form of a long path, for the places long paths never reach: a
// process's current directory, a new process's working one, and the paths
// the shell's file operations take.

#include <string>

namespace zelvio {

// Whether the directory fits a process's current directory: MAX_PATH
// characters with its trailing "\" and terminating NUL.
bool fitsCurrentDirectory(const std::wstring& directory);

// The directory as it is when it fits, else its 8.3 form; as it is when the
// volume has no 8.3 names for it.
std::wstring workingDirectoryFor(const std::wstring& directory);

// The full path of a file as it is when it is shorter than MAX_PATH, as
// SHFileOperation takes it, else its 8.3 form; as it is when the volume has
// no 8.3 names for it.
std::wstring shellPathFor(const std::wstring& path);

}  // namespace zelvio
