#pragma once
// An in-memory Windows file system for tests: drive letters, "\" separators,
// names compared without regard to letter case, short names where a test
// sets them, and faults a test can inject.

#include "platform/filesystem.h"

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zelvio {

class HeadlessFileSystem : public FileSystem {
public:
    // Drive C: with an empty root, which is the current directory.
    HeadlessFileSystem();
    ~HeadlessFileSystem() override;

    // FileSystem
    std::string currentDirectory() override;
    void changeDirectory(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    bool directoryExists(const std::string& path) override;
    bool deleteFile(const std::string& path) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    void replaceFile(const std::string& from, const std::string& to) override;
    bool createDirectory(const std::string& path) override;
    std::int64_t fileSize(const std::string& path) override;
    std::unique_ptr<LineReader> openText(const std::string& path) override;
    std::unique_ptr<LineWriter> createText(const std::string& path) override;
    std::optional<std::string> shortName(const std::string& path) override;

    // Setting the scene. Paths may be relative to the current directory.
    void addDrive(char letter);
    void makeDirectories(const std::string& path);                  // with every missing parent
    void putFile(const std::string& path, const std::string& bytes);  // with every missing parent
    std::string fileBytes(const std::string& path);                 // throws InOutError when missing
    void setShortName(const std::string& path, const std::string& shortName);
    void setReadOnly(const std::string& path, bool readOnly);
    // The names in a directory, in the order they were created.
    std::vector<std::string> list(const std::string& directory);

    // Faults.
    void failOpening(const std::string& path);   // opening for reading fails
    void failCreating(const std::string& path);  // creating (or replacing) fails
    // The next file created, at `path` or anywhere when `path` is empty, takes
    // `lines` lines and fails on the next write or at its close.
    void failWritingAfter(std::size_t lines, const std::string& path = "");
    void clearFaults();

    struct Node;

private:
    struct Resolved;
    Resolved resolve(const std::string& path);
    std::string absolute(const std::string& path) const;
    Node& requireDirectory(const std::string& path);

    std::map<char, std::unique_ptr<Node>> drives_;
    std::string current_ = "C:\\";
    std::vector<std::string> failOpen_;
    std::vector<std::string> failCreate_;
    std::optional<std::pair<std::size_t, std::string>> failWrite_;
};

}  // namespace zelvio
