#include "tests/e2e/mounts.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/polling.h"
#include "tests/e2e/system_error.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/wine_paths.h"
#include "tests/e2e/work_directory.h"

#include <windows.h>

#include <vector>

namespace zelvio::e2e {

namespace {

std::string helperPath() {
    std::vector<char> value(4096);
    const DWORD length = GetEnvironmentVariableA("ZELVIO_MOUNT_HELPER", value.data(), static_cast<DWORD>(value.size()));
    return length > 0 && length < value.size() ? std::string(value.data(), length) : std::string();
}

struct HelperRun {
    DWORD exitCode = 0;
    std::string output;
};

// Runs the helper with these arguments through the Linux shell; Wine starts
// a Linux program given by its path on Z:, the root of the Linux file system.
// Wine can neither wait for it nor read its output: it writes both to a
// report file, which appears once it has ended.
HelperRun runHelper(const std::vector<std::string>& arguments) {
    char temp[1024] = {};
    if (!GetTempPathA(sizeof temp, temp)) throw DriverError("no temporary directory: " + lastErrorText());
    static int counter = 0;
    const std::string report = std::string(temp) + "e2e-mount-" + std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(++counter) + ".txt";
    std::string commandLine = "Z:\\bin\\bash \"" + helperPath() + "\" --report \"" + unixPathOf(report) + "\"";
    for (const auto& argument : arguments) commandLine += " \"" + argument + "\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::wstring line = toWide(commandLine);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        throw DriverError("cannot run " + commandLine + ": " + lastErrorText());
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!pollUntil([&] { return GetFileAttributesW(toWide(report).c_str()) != INVALID_FILE_ATTRIBUTES; },
                   Milliseconds(60000)))
        throw DriverError(commandLine + " did not report within 60 s");
    std::string output = readFileAt(report);
    DeleteFileW(toWide(report).c_str());
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
    const std::string marker = "e2e-mount status ";
    const std::size_t last = output.rfind(marker);
    if (last == std::string::npos || (last > 0 && output[last - 1] != '\n'))
        throw DriverError(commandLine + " said no status: " + output);
    HelperRun run;
    run.exitCode = static_cast<DWORD>(std::stoul(output.substr(last + marker.size())));
    run.output = output.substr(0, last > 0 ? last - 1 : 0);
    return run;
}

// The helper's answer for "mounting is refused here".
constexpr DWORD refusedHere = 77;

void mustSucceed(const std::vector<std::string>& arguments) {
    const HelperRun run = runHelper(arguments);
    if (run.exitCode != 0) {
        std::string command;
        for (const auto& argument : arguments) command += " " + argument;
        throw DriverError("e2e-mount.sh" + command + " failed (" + std::to_string(run.exitCode) + "): " + run.output);
    }
}

}  // namespace

TmpfsMount::TmpfsMount(const std::string& directory, const std::string& size) : directory_(directory) {
    if (helperPath().empty()) {
        refused_ = "no mount helper: run the tests through tools/run-e2e.sh";
        return;
    }
    unixDirectory_ = unixPathOf(directory);
    if (unixDirectory_.empty()) {
        refused_ = "not under Wine: no Linux side to mount with";
        return;
    }
    const HelperRun run = runHelper({"tmpfs", size, unixDirectory_});
    if (run.exitCode == refusedHere) {
        refused_ = run.output;
        return;
    }
    if (run.exitCode != 0)
        throw DriverError("cannot mount a tmpfs on " + directory + " (" + std::to_string(run.exitCode) + "): " + run.output);
    mounted_ = true;
}

TmpfsMount::~TmpfsMount() {
    if (!mounted_) return;
    try {
        mustSucceed({"unmount", unixDirectory_});
    } catch (const DriverError&) {
        // tools/wine-session.sh unmounts whatever is left when the session ends.
    }
}

void TmpfsMount::makeReadOnly() { mustSucceed({"readonly", unixDirectory_}); }

void TmpfsMount::fill(const std::string& fileName) {
    const std::string path = directory_ + "\\" + fileName;
    HANDLE file = CreateFileW(toWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) throw DriverError("cannot create " + path + ": " + lastErrorText());
    const std::vector<char> zeros(4096, '\0');
    DWORD written = 0;
    // Block by block until the disk refuses; then byte by byte, until not even one more fits.
    while (WriteFile(file, zeros.data(), static_cast<DWORD>(zeros.size()), &written, nullptr) && written > 0) {
    }
    while (WriteFile(file, zeros.data(), 1, &written, nullptr) && written > 0) {
    }
    CloseHandle(file);
}

}  // namespace zelvio::e2e
