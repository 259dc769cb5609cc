#include "settings/settingslocation.h"

#include "common/filesystem.h"
#include "common/paths.h"
#include "common/workdir.h"

namespace zelvio {

namespace {

const char* const settingsFileName = "mpzelvio.cfg";

}  // namespace

std::string settingsFileToRead(FileSystem& fs, const std::string& startdir, const std::string& workdir) {
    const std::string own = AddBackslash(workdir) + settingsFileName;
    if (fs.fileExists(own)) return own;
    return AddBackslash(startdir) + settingsFileName;
}

std::string settingsFileToWrite(FileSystem& fs, const std::string& workdir) {
    return AddBackslash(madeWorkdir(fs, workdir)) + settingsFileName;
}

}  // namespace zelvio
