#pragma once
// A test's own working directory on the Wine C: drive, under the system's
// temporary directory: new and empty at the start, removed with everything in
// it at the end. Declare it before the TestProcess working in it, so the
// program has ended when the directory goes.

#include <string>

namespace zelvio::e2e {

// Removes the directory with everything in it; false when something stays.
bool removeTree(const std::wstring& directory);
// A file's bytes, whatever its directory.
std::string readFileAt(const std::string& path);
// Writes the bytes as they are, whatever the directory.
void writeFileAt(const std::string& path, const std::string& contents);

class WorkDirectory {
public:
    WorkDirectory();
    ~WorkDirectory();
    WorkDirectory(const WorkDirectory&) = delete;
    WorkDirectory& operator=(const WorkDirectory&) = delete;

    // Full path in UTF-8, without a trailing "\". Relative names below are UTF-8 too.
    const std::string& path() const { return path_; }
    // The full path of `relative` inside the directory.
    std::string pathOf(const std::string& relative) const;

    bool exists(const std::string& relative) const;
    void createDirectory(const std::string& relative) const;
    // Writes the bytes as they are: line ends are the caller's.
    void writeFile(const std::string& relative, const std::string& contents) const;
    std::string readFile(const std::string& relative) const;
    // Copies a program built beside the test program to `relative`.
    void copyBuilt(const std::string& fileName, const std::string& relative) const;

private:
    std::string path_;
};

}  // namespace zelvio::e2e
