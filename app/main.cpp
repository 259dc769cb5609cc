// Entry point of mpzelvio.exe: the main program on the Win32 backend.

#include "app/mainprogram.h"
#include "platform/win32/win32_platform.h"

int main() {
    zelvio::Win32Platform win32;
    zelvio::MainProgram program(win32.platform());
    return program.run();
}
