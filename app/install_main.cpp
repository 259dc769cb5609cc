// Entry point of install.exe: the installer on the Win32 backend.

#include "app/installerprogram.h"
#include "platform/win32/win32_platform.h"

int main() {
    zelvio::Win32Platform win32;
    return zelvio::InstallerProgram(win32.platform()).run();
}
