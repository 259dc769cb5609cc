#pragma once
// The file system through the wide Win32 functions: UTF-8 paths converted at
// the call, the system's own error texts.

#include "common/filesystem.h"

namespace zelvio {

class Win32FileSystem : public FileSystem {
public:
    std::string currentDirectory() override;
    void changeDirectory(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    bool directoryExists(const std::string& path) override;
    bool deleteFile(const std::string& path) override;
    std::vector<RecycleResult> recycleFiles(const std::vector<std::string>& paths) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    void replaceFile(const std::string& from, const std::string& to) override;
    void createDirectory(const std::string& path) override;
    std::int64_t fileSize(const std::string& path) override;
    std::unique_ptr<LineReader> openText(const std::string& path) override;
    using FileSystem::createText;
    std::unique_ptr<LineWriter> createText(const std::string& path, TextEncoding encoding) override;
    std::unique_ptr<ByteReader> openBytes(const std::string& path) override;
    std::unique_ptr<ByteWriter> createBytes(const std::string& path) override;
    bool ansiCodePageHolds(const std::string& text) override;
    std::optional<std::string> shortName(const std::string& path) override;
    std::vector<DirectoryEntry> listDirectory(const std::string& path) override;
    std::vector<char> driveLetters() override;
    std::string volumeLabel(char letter) override;
    std::string localAppData() override;

private:
    // A current directory too long to set as it is: the long form the
    // program asked for, and the 8.3 form the system holds instead.
    std::wstring longCurrent_;
    std::wstring shortCurrent_;
};

}  // namespace zelvio
