#pragma once
// A directory list: the path down to the current directory (the drive's root
// and each directory on the way, as open folders, indented level by level),
// then its subdirectories as closed folders, sorted. Opening an item (double
// click or Enter) makes it the current directory.
//
// Its directory is the process's working directory: changing one changes the
// other, as choosing a directory in such a list always has.

#include "platform/controls/list_box.h"

#include <functional>
#include <string>
#include <vector>

namespace zelvio {

class DriveBox;
class FileList;

class DirectoryList : public ListBox {
public:
    using ListBox::ListBox;

    const std::string& directory() const { return directory_; }
    // The drive letter of the directory, upper case.
    char drive() const;

    // Makes `path` the working directory and shows it as the system names it;
    // the linked drive box and file list follow, then onChange runs. A failure
    // raises InOutError and leaves everything where it was.
    void setDirectory(const std::string& path);
    // The drive's current directory, as the system keeps one per drive.
    void setDrive(char letter);
    // Shows the working directory as it is, with the same follow-ups.
    void showCurrent() { showDirectory(currentDirectory()); }
    // Shows `path` as it is, with the same follow-ups, leaving the working
    // directory where it is: where the program started, once another list
    // has taken the working directory elsewhere.
    void showDirectory(const std::string& path);
    // Reads the subdirectories and the linked file list again, then onChange runs.
    void update();

    void link(FileList& files) { files_ = &files; }
    void link(DriveBox& drives) { drives_ = &drives; }

    // The directory changed, or was read again.
    std::function<void()> onChange;

    ItemLook itemLook(std::size_t item) const override;

protected:
    void activate(std::size_t item) override;

private:
    std::string currentDirectory() const;
    // Fills the items for the directory and tells the linked controls.
    void show(const std::string& directory);
    std::string pathOf(std::size_t item) const;

    std::string directory_;
    std::vector<std::string> openPaths_;  // the path of each open-folder item, root first
    FileList* files_ = nullptr;
    DriveBox* drives_ = nullptr;
};

}  // namespace zelvio
