// How much processor time the program takes while it plays a 20-second wave
// through the real sound device (PulseAudio's null sink under Wine): the
// process's user and kernel time over the play, against the play's length.
//   tools/wine-session.sh wine build/windows/play_cpu_bench.exe

#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"

#include <chrono>
#include <cstdio>
#include <string>

using namespace zelvio::e2e;

namespace {

constexpr int kSeconds = 20;

std::string silentWave(int seconds) {
    auto number = [](std::uint32_t value, int bytes) {
        std::string text;
        for (int i = 0; i < bytes; ++i) text += static_cast<char>((value >> (8 * i)) & 0xFF);
        return text;
    };
    const auto data = static_cast<std::uint32_t>(8000 * seconds);
    return "RIFF" + number(36 + data, 4) + "WAVEfmt " + number(16, 4) + number(1, 2) + number(1, 2) +
           number(8000, 4) + number(8000, 4) + number(1, 2) + number(8, 2) + "data" + number(data, 4) +
           std::string(data, static_cast<char>(128));
}

// Wine's GetProcessTimes does not see another process's time, so it is read
// where Linux keeps it: /proc/PID/stat of the process named mpzelvio.exe,
// reached through Wine's drive Z:.
std::string procPath() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) throw DriverError("no /proc to read the program's processor time from");
    std::string path;
    do {
        const std::string name = found.cFileName;
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        const std::string candidate = "Z:\\proc\\" + name;
        HANDLE comm = CreateFileA((candidate + "\\comm").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  0, nullptr);
        if (comm == INVALID_HANDLE_VALUE) continue;
        char text[64] = {};
        DWORD got = 0;
        ReadFile(comm, text, sizeof text - 1, &got, nullptr);
        CloseHandle(comm);
        if (std::string(text).rfind("mpzelvio.exe", 0) == 0) path = candidate;
    } while (path.empty() && FindNextFileA(search, &found));
    FindClose(search);
    if (path.empty()) throw DriverError("mpzelvio.exe is not among the processes in /proc");
    return path;
}

// User and system time, fields 14 and 15 of a /proc stat file, in clock ticks of 1/100 s.
double processorSeconds(const std::string& stat) {
    HANDLE file = CreateFileA(stat.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw DriverError("cannot read " + stat);
    char text[1024] = {};
    DWORD got = 0;
    ReadFile(file, text, sizeof text - 1, &got, nullptr);
    CloseHandle(file);
    std::string fields = text;
    fields.erase(0, fields.rfind(')') + 2);  // after "pid (name) ": field 3 onwards
    unsigned long long user = 0, system = 0;
    std::sscanf(fields.c_str(), "%*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %llu %llu", &user, &system);
    return static_cast<double>(user + system) / 100.0;
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

        // The whole process, and its first thread, which runs the windows and the play loop.
        const std::string process = procPath();
        const std::string stat = process + "\\stat";
        const std::string mainThread = process + "\\task\\" + process.substr(process.rfind('\\') + 1) + "\\stat";
        const double before = processorSeconds(stat);
        const double threadBefore = processorSeconds(mainThread);
        const auto started = std::chrono::steady_clock::now();
        click(play);
        if (!pollUntil([&] { return !isEnabled(play); }, kDefaultTimeout)) throw DriverError("the play did not start");
        if (!pollUntil([&] { return isEnabled(play); }, Milliseconds((kSeconds + 10) * 1000)))
            throw DriverError("the play did not end");
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const double used = processorSeconds(stat) - before;
        const double threadUsed = processorSeconds(mainThread) - threadBefore;
        std::printf("played %.1f s of a %d s wave; processor time %.2f s (%.2f %% of one core), of which the window "
                    "thread %.2f s (%.2f %%)\n",
                    wall, kSeconds, used, 100 * used / wall, threadUsed, 100 * threadUsed / wall);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "play_cpu_bench: %s\n", error.what());
        return 1;
    }
}
