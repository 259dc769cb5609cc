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
        return failed("Mixer bridge", error.what(), true);
    }
}
