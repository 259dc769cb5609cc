#pragma once
// Path and text helpers shared by both programs.

#include <cstdint>
#include <optional>
#include <string>

namespace zelvio {

class FileSystem;

// The path with exactly one trailing "\".
std::string AddBackslash(const std::string& path);

// Every space replaced by "_".
std::string SpacesToUnderscores(const std::string& text);

// The file's size in bytes, or -1 when there is no such file.
std::int64_t FileSizeBytes(FileSystem& fs, const std::string& fileName);

// The file system's 8.3 name of the path's last component; none when the path
// does not exist or its name needs no short form.
std::optional<std::string> ShortName(FileSystem& fs, const std::string& path);

// The path with every over-long component, and every one the ANSI code page
// cannot hold, replaced by its short name, for the command lines of DOS
// programs, which cannot take quotes or other letters.
std::string ShortPath(FileSystem& fs, const std::string& path);

// A name for a file in a directory the program chose: not empty, not "." or
// "..", and without a character Windows keeps out of file names (a "\" or
// "/" would put the file somewhere else, a quote would end its argument).
bool IsPlainFileName(const std::string& name);
// What the user is told about a name that is no plain file name.
std::string NotAFileNameMessage(const std::string& name);

}  // namespace zelvio
