#include "common/replacefile.h"

#include "common/filesystem.h"

namespace zelvio {

void replaceWhenComplete(FileSystem& fs, const std::string& path,
                         const std::function<void(const std::string& temporary)>& write) {
    const std::string temporary = path + ".tmp";
    try {
        write(temporary);
        fs.replaceFile(temporary, path);
    } catch (...) {
        fs.deleteFile(temporary);
        throw;
    }
}

}  // namespace zelvio
