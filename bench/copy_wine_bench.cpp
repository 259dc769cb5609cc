// The installer's copy of a 20 MB file on the real file system under Wine:
// CopyWithProgress (4097-byte blocks through the program's own file layer)
// against the system's CopyFileW of the same file. Prints MB/s (10^6 bytes).
//   tools/wine-session.sh wine build/windows/copy_wine_bench.exe [ROUNDS]

#include "install/copywithprogress.h"
#include "platform/win32/win32_filesystem.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/work_directory.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double kBytes = 20e6;

template <typename Copy>
double megabytesPerSecond(Copy copy) {
    const auto start = std::chrono::steady_clock::now();
    copy();
    return kBytes / 1e6 / std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
        zelvio::e2e::WorkDirectory dir;
        zelvio::Win32FileSystem fs;
        const std::string source = dir.pathOf("mpzelv._xe");
        const std::string destination = dir.pathOf("mpzelvio.exe");
        std::string bytes(static_cast<std::size_t>(kBytes), '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7919 >> 3);
        fs.writeBytes(source, bytes);

        std::vector<double> ours, system;
        for (int round = 0; round < rounds; ++round) {
            fs.deleteFile(destination);
            ours.push_back(megabytesPerSecond([&] { zelvio::CopyWithProgress(fs, source, destination); }));
            if (fs.fileSize(destination) != static_cast<std::int64_t>(kBytes)) throw std::runtime_error("copy incomplete");
            fs.deleteFile(destination);
            system.push_back(megabytesPerSecond([&] {
                if (!CopyFileW(zelvio::e2e::toWide(source).c_str(), zelvio::e2e::toWide(destination).c_str(), FALSE))
                    throw std::runtime_error("CopyFileW failed");
            }));
            std::printf("CopyWithProgress %.1f MB/s, CopyFileW %.1f MB/s\n", ours.back(), system.back());
        }
        std::printf("CopyWithProgress: median %.1f MB/s of %d; CopyFileW: median %.1f MB/s\n", median(ours), rounds,
                    median(system));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "copy_wine_bench: %s\n", error.what());
        return 1;
    }
}
