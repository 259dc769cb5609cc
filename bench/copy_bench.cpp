// The installer's copy of a 20 MB file in 4097-byte blocks on the headless
// file system: the cost of CopyWithProgress itself, without a disk.

#include "install/copywithprogress.h"
#include "platform/headless/headless_filesystem.h"

#include <benchmark/benchmark.h>

#include <string>

namespace zelvio {
namespace {

constexpr std::size_t kBytes = 20'000'000;

void BM_CopyWithProgress(benchmark::State& state) {
    HeadlessFileSystem fs;
    fs.putFile("C:\\SETUP\\mpzelv._xe", std::string(kBytes, 'x'));
    fs.makeDirectories("C:\\MPZELVIO");
    for (auto _ : state) {
        CopyWithProgress(fs, "C:\\SETUP\\mpzelv._xe", "C:\\MPZELVIO\\mpzelvio.exe");
        if (fs.fileSize("C:\\MPZELVIO\\mpzelvio.exe") != static_cast<std::int64_t>(kBytes))
            state.SkipWithError("the copy is incomplete");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}

BENCHMARK(BM_CopyWithProgress)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zelvio
