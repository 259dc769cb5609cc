#include "platform/controls/directory_list.h"

#include "common/filesystem.h"
#include "common/paths.h"
#include "platform/application.h"
#include "platform/controls/drive_box.h"
#include "platform/controls/file_list.h"
#include "platform/controls/file_names.h"
#include "platform/form.h"

#include <cctype>

namespace zelvio {

namespace {

// "C:\MUSIC\ROCK" gives "C:\", "C:\MUSIC", "C:\MUSIC\ROCK".
std::vector<std::string> pathsDownTo(const std::string& directory) {
    std::vector<std::string> paths;
    std::size_t end = directory.find('\\');
    if (end == std::string::npos) return {directory};
    paths.push_back(directory.substr(0, end + 1));
    while (end < directory.size()) {
        std::size_t next = directory.find('\\', end + 1);
        if (next == std::string::npos) next = directory.size();
        if (next > end + 1) paths.push_back(directory.substr(0, next));
        end = next;
    }
    return paths;
}

std::string lastName(const std::string& path) {
    if (path.ends_with('\\')) return path;  // the root keeps its "\"
    return path.substr(path.find_last_of('\\') + 1);
}

}  // namespace

char DirectoryList::drive() const {
    return directory_.empty() ? 0 : static_cast<char>(std::toupper(static_cast<unsigned char>(directory_[0])));
}

void DirectoryList::setDirectory(const std::string& path) {
    FileSystem& fs = form().app().fileSystem();
    const std::string before = fs.currentDirectory();
    fs.changeDirectory(path);
    try {
        show(fs.currentDirectory());
    } catch (...) {
        // A directory that cannot be listed is not entered.
        fs.changeDirectory(before);
        show(before);
        throw;
    }
    if (onChange) onChange();
}

void DirectoryList::setDrive(char letter) { setDirectory(std::string{letter, ':'}); }

std::string DirectoryList::currentDirectory() const { return form().app().fileSystem().currentDirectory(); }

void DirectoryList::showDirectory(const std::string& path) {
    show(path);
    if (onChange) onChange();
}

void DirectoryList::update() {
    show(directory_);
    if (onChange) onChange();
}

void DirectoryList::show(const std::string& directory) {
    FileSystem& fs = form().app().fileSystem();
    // One listing serves the folders here and the files of the linked list.
    std::vector<DirectoryEntry> entries = fs.listDirectory(directory);
    std::vector<std::string> subdirectories;
    for (const auto& entry : entries) {
        if (entry.directory && !entry.hidden) subdirectories.push_back(entry.name);
    }
    sortFileNames(subdirectories);

    directory_ = directory;
    openPaths_ = pathsDownTo(directory);
    std::vector<std::string> texts;
    texts.reserve(openPaths_.size() + subdirectories.size());
    for (const auto& path : openPaths_) texts.push_back(lastName(path));
    for (auto& name : subdirectories) texts.push_back(std::move(name));
    setItems(std::move(texts));
    setItemIndex(static_cast<int>(openPaths_.size()) - 1);

    if (drives_ != nullptr) drives_->showDrive(drive());
    if (files_ != nullptr) files_->setDirectory(directory_, std::move(entries));
}

std::string DirectoryList::pathOf(std::size_t item) const {
    if (item < openPaths_.size()) return openPaths_[item];
    return AddBackslash(directory_) + items()[item];
}

ItemLook DirectoryList::itemLook(std::size_t item) const {
    const int open = static_cast<int>(openPaths_.size());
    if (static_cast<int>(item) < open) return {static_cast<int>(item), ItemGlyph::OpenFolder};
    return {open, ItemGlyph::ClosedFolder};
}

void DirectoryList::activate(std::size_t item) {
    if (item < count()) setDirectory(pathOf(item));
}

}  // namespace zelvio
