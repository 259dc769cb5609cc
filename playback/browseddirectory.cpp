#include "playback/browseddirectory.h"

#include "platform/filesystem.h"

namespace zelvio {

void BrowsedDirectory::change(const std::string& path) {
    fs_.changeDirectory(path);
    directory_ = fs_.currentDirectory();
}

void BrowsedDirectory::showCurrent() { directory_ = fs_.currentDirectory(); }

}  // namespace zelvio
