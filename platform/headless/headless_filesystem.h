#pragma once
// An in-memory Windows file system for tests: drive letters, "\" separators,
// names compared without regard to letter case, short names where a test
// sets them, a Recycle Bin on each drive unless a test takes it away, and
// faults a test can inject.
//
// The system's question before deleting for good is answered by the test's
// script, as the headless toolkit answers message boxes: a question nobody
// scripted is recorded in problems() and answered No, and so is an answer
// never used, once recordUnusedAnswers() is called.

#include "common/filesystem.h"

#include <cstddef>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zelvio {

struct HeadlessPath;

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
    std::string localAppData() override { return localAppData_; }

    // Setting the scene. Paths may be relative to the current directory.
    void addDrive(char letter);
    void makeDirectories(const std::string& path);                  // with every missing parent
    void putFile(const std::string& path, const std::string& bytes);  // with every missing parent
    std::string fileBytes(const std::string& path);                 // throws InOutError when missing
    void setShortName(const std::string& path, const std::string& shortName);
    void setReadOnly(const std::string& path, bool readOnly);
    // The directory's entries cannot be made, written, replaced, renamed or
    // deleted, as on a read-only medium or where the user has no rights:
    // "Access is denied".
    void denyWriting(const std::string& directory);
    void setHidden(const std::string& path, bool hidden);
    void setVolumeLabel(char drive, const std::string& label);
    // What localAppData() answers; the folder is not made.
    void setLocalAppData(const std::string& path) { localAppData_ = path; }
    // The names in a directory, in the order they were created.
    std::vector<std::string> list(const std::string& directory);
    // The drives asked for their labels so far, in order.
    const std::vector<char>& labelsAsked() const { return labelsAsked_; }
    // How many directory listings were asked for so far.
    std::size_t listings() const { return listings_; }

    // The Recycle Bin. A drive without one, as a floppy or a network drive:
    // what would go there is the system's question instead.
    void removeRecycleBin(char drive);
    // The paths the drive's bin holds files from, in the order they went in.
    std::vector<std::string> recycled(char drive) const;
    // Puts the file last recycled from `path` back there, as the bin's Restore does.
    void restore(const std::string& path);
    // The answer to the next question whether to delete files for good.
    void answerDeleteForGood(bool yes);
    // The questions asked, each with the files it named.
    const std::vector<std::vector<std::string>>& deleteForGoodQuestions() const { return questions_; }
    const std::vector<std::string>& problems() const { return problems_; }
    // Records a problem for each answer still waiting, and drops them.
    void recordUnusedAnswers();

    // Faults.
    void failOpening(const std::string& path);   // opening for reading, or listing a directory, fails
    void failCreating(const std::string& path);  // creating (or replacing) fails
    // The next file created, at `path` or anywhere when `path` is empty, takes
    // `lines` lines and fails on the next write or at its close.
    void failWritingAfter(std::size_t lines, const std::string& path = "");
    void clearFaults();
    // The file is held open, as a media device or another program holds it:
    // it cannot be written, replaced, moved or deleted until let go.
    void hold(const std::string& path);
    void letGo(const std::string& path);

    struct Node;

private:
    struct Resolved;
    struct RecycledFile {
        std::string path;  // where it was, as the program wrote it
        std::shared_ptr<Node> node;
    };
    // Whether the entry is a file that DeleteFile would remove now.
    static bool deletable(const Resolved& entry);
    bool hasBin(char drive) const;  // by upper-case letter
    bool askDeleteForGood(const std::vector<std::string>& paths);
    Resolved resolve(const std::string& path) const;
    // The bytes of a file opened for reading, or the error Windows would raise.
    const std::string& bytesToRead(const std::string& path) const;
    // The existing entry a scene-setting call names; a missing one is a mistake of the test.
    Node& existing(const std::string& path, const char* caller) const;
    // The directory of the path's first `count` names, made where missing.
    std::shared_ptr<Node> makeDirectories(const HeadlessPath& path, std::size_t count, const char* caller,
                                          const std::string& written);
    std::string faultKey(const std::string& path, const char* caller) const;
    // Why Windows would refuse to move `from` to `to`; null when it would not.
    const char* whyNotMovable(const Resolved& from, const Resolved& to) const;
    void move(const Resolved& from, const Resolved& to);
    static void remove(const Resolved& entry);
    static bool listed(const std::vector<std::string>& keys, const std::string& key);

    std::map<char, std::shared_ptr<Node>> drives_;   // by upper-case letter
    std::map<char, std::string> labels_;
    std::vector<char> labelsAsked_;
    std::size_t listings_ = 0;
    std::string current_ = "C:\\";                  // as the path was written when it was made current
    std::string localAppData_ = "C:\\Users\\Tester\\AppData\\Local";
    std::vector<std::string> failOpen_;              // keys of Resolved
    std::vector<std::string> failCreate_;
    std::optional<std::pair<std::size_t, std::string>> failWrite_;  // lines, key or "" for any file
    std::map<char, std::vector<RecycledFile>> bins_;                // by upper-case letter
    std::vector<char> binless_;
    std::deque<bool> forGoodAnswers_;
    std::vector<std::vector<std::string>> questions_;
    std::vector<std::string> problems_;
};

}  // namespace zelvio
