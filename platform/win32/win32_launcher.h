#pragma once
// Starting programs detached with CreateProcessW, answering as WinExec does.

#include "platform/launcher.h"

namespace zelvio {

class Win32Launcher : public ProgramLauncher {
public:
    unsigned startDetached(const std::string& commandLine, int showState) override;
};

}  // namespace zelvio
