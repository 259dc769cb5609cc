#include "platform/win32/win32_launcher.h"

#include <windows.h>

namespace zelvio {

unsigned Win32Launcher::startDetached(const std::string& commandLine, int showState) {
    return WinExec(commandLine.c_str(), static_cast<UINT>(showState));
}

}  // namespace zelvio
