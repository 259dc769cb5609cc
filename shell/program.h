#pragma once
// The main program's block: the application, its windows, the message loop.

#include "platform/platform.h"

namespace zelvio {

// Creates the application and its windows on the given platform and runs
// until the main window closes.
int runMainProgram(Platform platform);

}  // namespace zelvio
