// How much processor time the program takes while it waits for an outside
// encoder that runs for 10 seconds: one wave encoded through the command.com
// stand-in and the test encoder told to sleep.
//   tools/wine-session.sh wine build/windows/encode_cpu_bench.exe

#include "bench/proc_times.h"
#include "common/waveheader.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/utf8.h"

#include <chrono>
#include <cstdio>

using namespace zelvio::e2e;

int main() {
    try {
        WorkDirectory dir;
        dir.writeFile("take.wav", zelvio::waveHeader(1, 8000, 8, 8000) + std::string(8000, '\x80'));
        CopyFileW(toWide(programBeside("test_encoder.exe")).c_str(), toWide(dir.pathOf("encoder.exe")).c_str(), FALSE);
        dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.path(), dir.path(), dir.pathOf("encoder.exe"), "",
                                                 "--sleep=10000", "0", "", "", "", "100", "80", "640", "482"}));
        TestProcess program(programBeside("mpzelvio.exe"), dir.path());
        const HWND window = waitForWindow(program, "Mp3 Zelvio V 0.93");
        const HWND waves = findControl(window, "recfilelist");
        selectItems(waves, {0});
        if (!pollUntil([&] { return selectedItems(waves).size() == 1u; }, kDefaultTimeout))
            throw DriverError("the wave could not be selected");
        click(findControl(window, "compilebutt"));
        pressButton(waitForMessageBox(program, "Confirm").window, "&Yes");
        const HWND dialog = waitForForm(program, "TIndexdata");
        const HWND ok = findControl(dialog, "Okbutt");
        Sleep(1000);  // let the dialog settle

        const ProcessorTimes times;
        const double before = times.process();
        const double threadBefore = times.windowThread();
        const auto started = std::chrono::steady_clock::now();
        click(findControl(dialog, "compresnow"));
        if (!pollUntil([&] { return !isEnabled(ok); }, kDefaultTimeout)) throw DriverError("the batch did not start");
        if (!pollUntil([&] { return isEnabled(ok); }, Milliseconds(30000))) throw DriverError("the batch did not end");
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const double used = times.process() - before;
        const double threadUsed = times.windowThread() - threadBefore;
        std::printf("waited %.1f s for a 10 s encoder; processor time %.2f s (%.2f %% of one core), of which the "
                    "window thread %.2f s (%.2f %%)\n",
                    wall, used, 100 * used / wall, threadUsed, 100 * threadUsed / wall);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "encode_cpu_bench: %s\n", error.what());
        return 1;
    }
}
