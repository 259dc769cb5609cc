#pragma once
// Which "mpzelvio.cfg" the main program reads and writes. With a writable
// program directory both are the one there. Otherwise the program writes a
// copy of its own in the work directory (common/workdir.h) and reads that
// once it exists, and the installer's file in the program directory until then,
// so that a fresh install starts configured.

#include <string>

namespace zelvio {

class FileSystem;

std::string settingsFileToRead(FileSystem& fs, const std::string& startdir, const std::string& workdir);

// The work directory is made when it is not there yet.
std::string settingsFileToWrite(FileSystem& fs, const std::string& workdir);

}  // namespace zelvio
