#include "platform/controls/file_list.h"

#include "common/filesystem.h"
#include "platform/application.h"
#include "platform/controls/file_names.h"
#include "platform/form.h"

namespace zelvio {

FileList::FileList(Form& form, ControlDesign design)
    : ListBox(form, std::move(design)), mask_(this->design().filter.empty() ? "*.*" : this->design().filter) {}

void FileList::setDirectory(std::string directory) {
    directory_ = std::move(directory);
    update();
}

void FileList::setDirectory(std::string directory, std::vector<DirectoryEntry> entries) {
    directory_ = std::move(directory);
    showFiles(std::move(entries));
}

void FileList::setMask(std::string mask) {
    mask_ = std::move(mask);
    update();
}

void FileList::update() {
    FileSystem& fs = form().app().fileSystem();
    if (directory_.empty()) directory_ = fs.currentDirectory();
    showFiles(fs.listDirectory(directory_));
}

void FileList::showFiles(std::vector<DirectoryEntry> entries) {
    std::vector<std::string> names;
    for (auto& entry : entries) {
        if (!entry.directory && !entry.hidden && matchesFileMask(entry.name, mask_)) names.push_back(std::move(entry.name));
    }
    sortFileNames(names);
    setItems(std::move(names));
}

}  // namespace zelvio
