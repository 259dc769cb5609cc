#include "install/copywithprogress.h"

#include "common/errors.h"
#include "common/filesystem.h"
#include "common/replacefile.h"

#include <algorithm>
#include <array>
#include <climits>

namespace zelvio {

namespace {
constexpr std::size_t blockSize = 4097;
}  // namespace

void CopyWithProgress(FileSystem& fs, const std::string& source, const std::string& destination,
                      const CopyProgress& progress) {
    try {
        auto reader = fs.openBytes(source);
        const int wholeBlocks = static_cast<int>(std::min<std::int64_t>(reader->size() / blockSize, INT_MAX));
        if (progress) progress(0, wholeBlocks);
        replaceWhenComplete(fs, destination, [&](const std::string& temporary) {
            auto writer = fs.createBytes(temporary);
            std::array<char, blockSize> buffer;
            int blocks = 0;
            // A source whose size is a multiple of the block ends with a read of nothing.
            for (std::size_t got = blockSize; got == blockSize;) {
                got = reader->read(buffer.data(), buffer.size());
                writer->write({buffer.data(), got});
                ++blocks;
                if (progress) progress(blocks, wholeBlocks);
            }
            writer->close();
            reader.reset();  // closed before the replace: the source may be the destination itself
        });
    } catch (const InOutError& error) {
        throw InOutError("Cannot copy " + source + " to " + destination + ": " + error.what(), error.accessDenied());
    }
}

}  // namespace zelvio
