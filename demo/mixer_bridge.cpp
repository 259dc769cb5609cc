// The mixer bridge: opens PulseAudio's volume control, pavucontrol.

#include "demo/unixbridge.h"

#include <windows.h>

#include <exception>
#include <string>

using namespace zelvio::bridge;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        runUnixProgram({"pavucontrol"}, false);
        return 0;
    } catch (const std::exception& error) {
        log(std::string("mixer bridge: ") + error.what());
        MessageBoxA(nullptr, error.what(), "Mixer bridge", MB_OK | MB_ICONSTOP);
        return 1;
    }
}
