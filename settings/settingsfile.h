#pragma once
// "mpzelvio.cfg": one value per line, its meaning given by its line number
// (settings/settinglines.h); the header's last character is the file's
// version, which gates the later lines, so older, shorter files still load.
// The main program and the installer write it through here, so they agree
// line for line.

#include "settings/settinglines.h"

#include <string>

namespace zelvio {

class FileSystem;

// Reads the file line by line into `into`. A number that is no number or a
// failed read ends the reading there with ConversionError or InOutError:
// what was read before stays in `into`, the rest keeps what it held.
void readSettingsFile(FileSystem& fs, const std::string& path, SettingsFile& into);

// Writes every line of the current version ("ver 1.5"); the old file stays
// whole until the new one is complete. Missing bounds are written as 0.
void writeSettingsFile(FileSystem& fs, const std::string& path, const SettingsFile& file);

}  // namespace zelvio
