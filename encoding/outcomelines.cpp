#include "encoding/outcomelines.h"

namespace zelvio {

std::string troubleLine(const std::string& program, const ProgramTrouble& trouble) {
    if (!trouble.started) {
        return "The " + program + " could not be started (" + trouble.errorText + "): " + trouble.commandLine;
    }
    return "The " + program + " ended with exit code " + std::to_string(trouble.exitCode) + ": " + trouble.commandLine;
}

std::string missingOutputLine(const std::string& mp3Path) { return "No MP3 file was made: " + mp3Path; }

std::string notTaggedLine(const std::string& mp3Path, const std::string& why) {
    return "Not tagged: " + mp3Path + ": " + why;
}

}  // namespace zelvio
