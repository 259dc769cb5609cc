#include "programs/runprogram.h"

#include "platform/launcher.h"

namespace zelvio {

static constexpr int showNormal = 1;

std::string startFailureReason(unsigned code) {
    switch (code) {
        case 0:
            return "The system is out of memory or resources.";
        case 2:
            return "The specified file was not found.";
        case 3:
            return "The specified path was not found.";
        case 11:
            return "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image).";
        default:
            return "";
    }
}

std::optional<std::string> RunProgram(ProgramLauncher& launcher, const std::string& commandLine,
                                      const std::string& directory) {
    const unsigned result = launcher.startDetached(commandLine, showNormal, directory);
    if (result >= 32) return std::nullopt;
    return startFailureReason(result);
}

}  // namespace zelvio
