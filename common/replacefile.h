#pragma once
// Replacing a file only once its new contents are complete.

#include <functional>
#include <string>

namespace zelvio {

class FileSystem;

// Lets `write` make a temporary file beside `path` (it is given the
// temporary's name), then puts it in place of `path` in one step. When
// anything fails the old file stays as it was, the temporary is removed and
// the error is raised again.
void replaceWhenComplete(FileSystem& fs, const std::string& path,
                         const std::function<void(const std::string& temporary)>& write);

}  // namespace zelvio
