#include "files/filecommands.h"

#include "common/paths.h"
#include "platform/filesystem.h"

namespace zelvio {

void deleteFiles(FileSystem& fs, const std::string& directory, const std::vector<std::string>& names) {
    for (const std::string& name : names) fs.deleteFile(AddBackslash(directory) + name);
}

bool renameFile(FileSystem& fs, const std::string& directory, const std::string& name, const std::string& newName) {
    return fs.renameFile(AddBackslash(directory) + name, AddBackslash(directory) + newName);
}

}  // namespace zelvio
