#pragma once
// What the program asks of the file system. Paths are Windows paths in UTF-8:
// drive letters, "\" separators, names compared without regard to letter
// case. Every failure the program reports raises InOutError with the
// system's message text.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvio {

// Reads a text file one line at a time. Lines end in CR LF or a bare LF; a
// last line without an end is a line all the same.
class LineReader {
public:
    virtual ~LineReader() = default;
    // The next line without its end; false at the end of the file.
    virtual bool readLine(std::string& line) = 0;
};

// Writes a text file one line at a time, each line followed by CR LF.
class LineWriter {
public:
    virtual ~LineWriter() = default;
    virtual void writeLine(std::string_view line) = 0;
    // Flushes and closes; a failure here means the file is incomplete.
    virtual void close() = 0;
};

// Reads a file block by block.
class ByteReader {
public:
    virtual ~ByteReader() = default;
    virtual std::int64_t size() = 0;
    // Up to `count` bytes into `buffer`; fewer only at the end of the file.
    virtual std::size_t read(char* buffer, std::size_t count) = 0;
    // The next read starts `offset` bytes from the start (at or past the end: reads give nothing).
    virtual void seek(std::int64_t offset) = 0;
};

// Writes a file block by block.
class ByteWriter {
public:
    virtual ~ByteWriter() = default;
    virtual void write(std::string_view bytes) = 0;
    // Flushes and closes; a failure here means the file is incomplete.
    virtual void close() = 0;
};

// One name in a directory.
struct DirectoryEntry {
    std::string name;
    bool directory = false;
    bool hidden = false;  // hidden or a system file: the lists leave it out
};

// How a text file's lines are written: UTF-8, which the program reads back,
// or the ANSI code page, for outside programs that know nothing else (a
// character the code page lacks becomes "?").
enum class TextEncoding { Utf8, Ansi };

// What became of one file given to FileSystem::recycleFiles.
enum class RecycleResult {
    Recycled,        // in the Recycle Bin of its drive, from where the user can restore it
    DeletedForGood,  // its drive keeps no bin, and the user agreed to lose it
    Kept,            // still there: the user declined, or it could not be deleted (missing, in use, read-only)
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The current directory of the current drive; a drive root ends in "\".
    virtual std::string currentDirectory() = 0;
    virtual void changeDirectory(const std::string& path) = 0;

    virtual bool fileExists(const std::string& path) = 0;
    virtual bool directoryExists(const std::string& path) = 0;
    virtual bool deleteFile(const std::string& path) = 0;
    // Moves the files, whole paths, to the Recycle Bin in one operation, as
    // Explorer deletes. For files on a drive that keeps no bin the system asks
    // whether to delete them for good, and deletes nothing without a yes. A
    // file that cannot be deleted is kept without a question. One result per
    // path, in the same order.
    virtual std::vector<RecycleResult> recycleFiles(const std::vector<std::string>& paths) = 0;
    // Fails (false) when `to` already exists.
    virtual bool renameFile(const std::string& from, const std::string& to) = 0;
    // Moves `from` over `to`, replacing it in one step.
    virtual void replaceFile(const std::string& from, const std::string& to) = 0;
    // One level; raises InOutError with the system's text when it cannot.
    virtual void createDirectory(const std::string& path) = 0;

    // Size in bytes, or -1 when there is no such file.
    virtual std::int64_t fileSize(const std::string& path) = 0;

    // Lines in UTF-8: the file's bytes when they are UTF-8 (a byte-order mark
    // dropped), otherwise converted from the ANSI code page of older files.
    virtual std::unique_ptr<LineReader> openText(const std::string& path) = 0;
    // Creates the file, replacing any existing one; UTF-8 is written without
    // a byte-order mark.
    virtual std::unique_ptr<LineWriter> createText(const std::string& path, TextEncoding encoding) = 0;
    std::unique_ptr<LineWriter> createText(const std::string& path) { return createText(path, TextEncoding::Utf8); }
    // Opens a file for reading its bytes, sharing it with everybody.
    virtual std::unique_ptr<ByteReader> openBytes(const std::string& path) = 0;
    // Creates the file for bytes, replacing any existing one.
    virtual std::unique_ptr<ByteWriter> createBytes(const std::string& path) = 0;
    // Creates the file, replacing any existing one, with exactly these bytes.
    void writeBytes(const std::string& path, std::string_view bytes) {
        auto writer = createBytes(path);
        writer->write(bytes);
        writer->close();
    }
    // Whether the ANSI code page holds every character of the text.
    virtual bool ansiCodePageHolds(const std::string& text) = 0;

    // The alternate (8.3) name of the path's last component as the directory
    // records it; none when the path does not exist or the name needs none.
    virtual std::optional<std::string> shortName(const std::string& path) = 0;

    // The entries of a directory, "." and ".." left out, in no set order.
    virtual std::vector<DirectoryEntry> listDirectory(const std::string& path) = 0;
    // The letters of the drives there are, upper case, in order. No drive is
    // asked anything: that may spin up a disc.
    virtual std::vector<char> driveLetters() = 0;
    // The drive's volume label; empty when it has none or holds no medium.
    virtual std::string volumeLabel(char letter) = 0;

    // The user's own folder for program data kept on this machine
    // (%LOCALAPPDATA%), for a program that may not write where it is installed.
    virtual std::string localAppData() = 0;
};

}  // namespace zelvio
