// The encoder bridge: takes the command line Mp3 Zelvio gives its encoder
// (input wave, output MP3, then the flags from the settings), runs LAME with
// the flags first and both files as Unix paths, and returns LAME's exit code.

#include "demo/unixbridge.h"

#include <windows.h>

#include <exception>
#include <string>

using namespace zelvio::bridge;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::vector<std::wstring> args = arguments();
    if (args.size() < 2) {
        // The batch reports the exit code; the log says why.
        return failed("Encoder bridge", "expected an input wave and an output MP3", false);
    }
    try {
        std::vector<std::string> lame{"lame"};
        for (std::size_t i = 2; i < args.size(); ++i) lame.push_back(utf8(args[i]));
        lame.push_back(unixPathOf(args[0]));
        lame.push_back(unixPathOf(args[1]));
        return runAndLog(lame);
    } catch (const std::exception& error) {
        return failed("Encoder bridge", error.what(), false);
    }
}
