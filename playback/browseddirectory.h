#pragma once
// The directory a browser pane shows. Changing it changes the process's
// working directory, as choosing a directory in a directory list does.

#include <string>

namespace zelvio {

class FileSystem;

class BrowsedDirectory {
public:
    explicit BrowsedDirectory(FileSystem& fs) : fs_(fs) {}

    const std::string& directory() const { return directory_; }
    // Makes `path` the working directory and shows it, as the system names it.
    // A failure raises InOutError and leaves the browser where it was.
    void change(const std::string& path);
    // Shows the working directory without changing anything.
    void showCurrent();

private:
    FileSystem& fs_;
    std::string directory_;
};

}  // namespace zelvio
