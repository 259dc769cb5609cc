#pragma once
// Starting the outside programs the user installed beside this one, without
// waiting for them.

#include <string>

namespace zelvio {

class Application;

// Starts the command line in `directory` without waiting. A failed start
// shows one warning naming `what` ("the player", "the mixer") and the
// system's reason.
void RunProgram(Application& app, const std::string& commandLine, const std::string& what,
                const std::string& directory = {});

// The reason shown for a WinExec failure code; empty for codes without one.
std::string startFailureReason(unsigned code);

}  // namespace zelvio
