// How much processor time the program takes while it plays a 20-second wave
// through the real sound device (PulseAudio's null sink under Wine): the
// process's user and kernel time over the play, against the play's length.
//   tools/wine-session.sh wine build/windows/play_cpu_bench.exe

#include "common/waveheader.h"
#include "tests/e2e/driver.h"
#include "bench/proc_times.h"
#include "tests/e2e/settings_file.h"

#include <chrono>
#include <cstdio>
#include <string>

using namespace zelvio::e2e;

namespace {

constexpr int kSeconds = 20;

std::string silentWave(int seconds) {
    const auto data = static_cast<std::uint32_t>(8000 * seconds);
    return zelvio::waveHeader(1, 8000, 8, data) + std::string(data, static_cast<char>(128));
}

}  // namespace

int main() {
    try {
        WorkDirectory dir;
        dir.writeFile("long.wav", silentWave(kSeconds));
        dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.path(), dir.path(), "", "", "-hq", "0", "", "", "",
                                                 "100", "80", "640", "482"}));
        TestProcess program(programBeside("mpzelvio.exe"), dir.path());
        const HWND window = waitForWindow(program, "Mp3 Zelvio V 0.93");
        const HWND waves = findControl(window, "recfilelist");
        const HWND play = findControl(window, "recplay");
        selectItems(waves, {0});
        if (!pollUntil([&] { return selectedItems(waves).size() == 1u; }, kDefaultTimeout))
            throw DriverError("the wave could not be selected");
        Sleep(1000);  // let the start-up settle

        const ProcessorTimes times;
        const double before = times.process();
        const double threadBefore = times.windowThread();
        const auto started = std::chrono::steady_clock::now();
        click(play);
        if (!pollUntil([&] { return !isEnabled(play); }, kDefaultTimeout)) throw DriverError("the play did not start");
        if (!pollUntil([&] { return isEnabled(play); }, Milliseconds((kSeconds + 10) * 1000)))
            throw DriverError("the play did not end");
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const double used = times.process() - before;
        const double threadUsed = times.windowThread() - threadBefore;
        std::printf("played %.1f s of a %d s wave; processor time %.2f s (%.2f %% of one core), of which the window "
                    "thread %.2f s (%.2f %%)\n",
                    wall, kSeconds, used, 100 * used / wall, threadUsed, 100 * threadUsed / wall);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "play_cpu_bench: %s\n", error.what());
        return 1;
    }
}
