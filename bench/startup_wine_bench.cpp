// How long the real program under Wine takes from being started until its
// main window is shown: from CreateProcess until a visible top-level window
// of that process bears the main window's caption. Each round starts a fresh
// process in a fresh directory and ends it once the window is there.
//   tools/wine-session.sh wine build/windows/startup_wine_bench.exe [ROUNDS]

#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace zelvio::e2e;

namespace {

struct Search {
    DWORD process;
    bool found;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    if (owner == search.process && IsWindowVisible(window) && std::wstring(caption) == L"Mp3 Zelvio V 0.93") {
        search.found = true;
        return FALSE;
    }
    return TRUE;
}

double startAndWait(const std::string& program) {
    WorkDirectory dir;
    dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.path(), dir.path(), "", "", "-hq", "0", "", "", "", "100",
                                             "80", "640", "482"}));
    const auto start = std::chrono::steady_clock::now();
    TestProcess process(program, dir.path());
    Search search{process.id(), false};
    while (true) {
        EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) break;
        if (!process.running()) throw DriverError(process.label() + " ended before its window was shown");
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(30)) throw DriverError("no main window shown");
        Sleep(1);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
        const std::string program = programBeside("mpzelvio.exe");
        std::vector<double> times;
        for (int round = 0; round < rounds; ++round) {
            times.push_back(startAndWait(program));
            std::printf("window shown after %.1f ms\n", times.back());
        }
        std::sort(times.begin(), times.end());
        std::printf("window shown: median %.1f ms of %d\n", times[times.size() / 2], rounds);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_wine_bench: %s\n", error.what());
        return 1;
    }
}
