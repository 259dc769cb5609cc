#pragma once
// Starting the outside programs the user installed beside this one, without
// waiting for them.

#include <optional>
#include <string>

namespace zelvio {

class ProgramLauncher;

// Starts the command line in `directory` without waiting. None when it
// started; otherwise the system's reason, in words (empty for a failure
// code that has none).
std::optional<std::string> RunProgram(ProgramLauncher& launcher, const std::string& commandLine,
                                      const std::string& directory = {});

// The reason given for a WinExec failure code; empty for codes without one.
std::string startFailureReason(unsigned code);

}  // namespace zelvio
