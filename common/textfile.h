#pragma once
// Whole text files over the file system's line reader and writer.

#include "common/filesystem.h"

#include <string>
#include <vector>

namespace zelvio {


// The next line, or an empty one once the file has ended.
std::string readLineOrEmpty(LineReader& reader);

// Every line of the file, in order.
std::vector<std::string> readAllLines(FileSystem& fs, const std::string& path);

// Writes the lines to a temporary file beside `path` and puts it in place of
// `path` only once it is complete and closed. On failure the old file stays
// as it was, the temporary is removed and the error is raised again.
void replaceWithLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines,
                      TextEncoding encoding = TextEncoding::Utf8);

}  // namespace zelvio
