#include "common/workdir.h"

#include "common/errors.h"
#include "common/filesystem.h"
#include "common/paths.h"

namespace zelvio {

namespace {

const char* const perUserFolder = "Mp3 Zelvio";
// The file that tells whether the program directory takes the program's files.
const char* const probeName = "mpzelvio.probe";

bool canWriteIn(FileSystem& fs, const std::string& directory) {
    const std::string probe = AddBackslash(directory) + probeName;
    try {
        fs.writeBytes(probe, "");
    } catch (const InOutError&) {
        fs.deleteFile(probe);  // a file that could be made but not written
        return false;
    }
    return fs.deleteFile(probe);
}

}  // namespace

std::string chooseWorkdir(FileSystem& fs, const std::string& programdir) {
    if (canWriteIn(fs, programdir)) return programdir;
    return AddBackslash(fs.localAppData()) + perUserFolder;
}

const std::string& madeWorkdir(FileSystem& fs, const std::string& workdir) {
    if (fs.directoryExists(workdir)) return workdir;
    // Each missing level from the top, as a fresh profile may lack even its parent.
    for (std::size_t end = workdir.find('\\'); end != std::string::npos; end = workdir.find('\\', end + 1)) {
        const std::string level = workdir.substr(0, end);
        if (level.size() > 2 && !fs.directoryExists(level)) fs.createDirectory(level);
    }
    fs.createDirectory(workdir);
    return workdir;
}

}  // namespace zelvio
