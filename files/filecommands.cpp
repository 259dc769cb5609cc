#include "files/filecommands.h"

#include "common/filesystem.h"
#include "common/paths.h"

namespace zelvio {

std::vector<RecycleResult> deleteFiles(FileSystem& fs, const std::string& directory,
                                       const std::vector<std::string>& names) {
    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (const std::string& name : names) paths.push_back(AddBackslash(directory) + name);
    return fs.recycleFiles(paths);
}

bool renameFile(FileSystem& fs, const std::string& directory, const std::string& name, const std::string& newName) {
    return fs.renameFile(AddBackslash(directory) + name, AddBackslash(directory) + newName);
}

}  // namespace zelvio
