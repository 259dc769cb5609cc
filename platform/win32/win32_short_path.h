#pragma once
// The 8.3 form of a long directory, for the two places long paths never
// reach: a process's current directory, and a new process's working one.

#include <string>

namespace zelvio {

// Whether the directory fits a process's current directory: MAX_PATH
// characters with its trailing "\" and terminating NUL.
bool fitsCurrentDirectory(const std::wstring& directory);

// The directory as it is when it fits, else its 8.3 form; as it is when the
// volume has no 8.3 names for it.
std::wstring workingDirectoryFor(const std::wstring& directory);

}  // namespace zelvio
