#pragma once
// The output lines both encoding windows write for what went wrong with an
// outside program or the MP3 file it was to make.

#include "encoding/encodeoutcome.h"

#include <string>

namespace zelvio {

// `program` is "encoder" or "ripper".
std::string troubleLine(const std::string& program, const ProgramTrouble& trouble);
// The encoder ran and left no MP3 file.
std::string missingOutputLine(const std::string& mp3Path);
// The MP3 file was made, but its tag could not be written.
std::string notTaggedLine(const std::string& mp3Path, const std::string& why);

}  // namespace zelvio
