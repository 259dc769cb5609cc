#include "platform/win32/win32_filesystem.h"

#include "platform/win32/win32_asked_text.h"
#include "platform/win32/win32_late_library.h"
#include "platform/win32/win32_line_writer.h"
#include "platform/win32/win32_lines.h"
#include "platform/win32/win32_recycle_bin.h"
#include "platform/win32/win32_short_path.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_unicode.h"

#include "common/textencoding.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace zelvio {

namespace {

// Closes a handle when it goes out of scope.
class HandleCloser {
public:
    explicit HandleCloser(HANDLE handle) : handle_(handle) {}
    ~HandleCloser() { CloseHandle(handle_); }
    HandleCloser(const HandleCloser&) = delete;
    HandleCloser& operator=(const HandleCloser&) = delete;

private:
    HANDLE handle_;
};

constexpr DWORD volumeLabelBuffer = 261;

bool isMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

std::string readWholeFile(const std::string& path) {
    HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw lastSystemError();
    HandleCloser closer(file);
    std::string bytes;
    LARGE_INTEGER size;
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0) bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    std::vector<char> chunk(64 * 1024);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) throw lastSystemError();
        if (got == 0) break;
        bytes.append(chunk.data(), got);
    }
    return bytes;
}

class Win32LineReader : public LineReader {
public:
    explicit Win32LineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    bool readLine(std::string& line) override {
        if (next_ >= lines_.size()) return false;
        line = std::move(lines_[next_++]);
        return true;
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

std::wstring systemCurrentDirectory() {
    auto path = askedText([](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
    if (!path) throw lastSystemError();
    return *path;
}

std::wstring fullPathOf(const std::wstring& path) {
    auto full =
        askedText([&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(path.c_str(), size, buffer, nullptr); });
    if (!full) throw lastSystemError();
    return *full;
}

}  // namespace

std::string Win32FileSystem::currentDirectory() {
    const std::wstring current = systemCurrentDirectory();
    // A long directory set in its 8.3 form is still the one the program chose.
    if (!longCurrent_.empty() && current == shortCurrent_) return utf8(longCurrent_);
    return utf8(current);
}

void Win32FileSystem::changeDirectory(const std::string& path) {
    const std::wstring asked = wide(path);
    std::wstring full = fullPathOf(asked);
    if (fitsCurrentDirectory(full)) {
        if (!SetCurrentDirectoryW(asked.c_str())) throw lastSystemError();
        longCurrent_.clear();
        return;
    }
    // Longer than a current directory may be where long paths are not
    // allowed, and more than Wine's holds without harm: the 8.3 form serves.
    const DWORD attributes = GetFileAttributesW(full.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) throw lastSystemError();
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) throw InOutError(systemErrorText(ERROR_DIRECTORY));
    const std::wstring shortened = workingDirectoryFor(full);
    if (!fitsCurrentDirectory(shortened)) throw InOutError(systemErrorText(ERROR_FILENAME_EXCED_RANGE));
    if (!SetCurrentDirectoryW(shortened.c_str())) throw lastSystemError();
    if (full.back() == L'\\') full.pop_back();
    longCurrent_ = full;
    shortCurrent_ = systemCurrentDirectory();
}

bool Win32FileSystem::fileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::directoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::deleteFile(const std::string& path) { return DeleteFileW(wide(path).c_str()) != 0; }

std::vector<RecycleResult> Win32FileSystem::recycleFiles(const std::vector<std::string>& paths) {
    std::vector<std::wstring> fullPaths;
    fullPaths.reserve(paths.size());
    for (const std::string& path : paths) fullPaths.push_back(fullPathOf(wide(path)));
    return recycleToBin(fullPaths);
}

bool Win32FileSystem::renameFile(const std::string& from, const std::string& to) {
    return MoveFileW(wide(from).c_str(), wide(to).c_str()) != 0;
}

void Win32FileSystem::replaceFile(const std::string& from, const std::string& to) {
    if (!MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        throw lastSystemError();
    }
}

void Win32FileSystem::createDirectory(const std::string& path) {
    if (!CreateDirectoryW(wide(path).c_str(), nullptr)) throw lastSystemError();
}

std::int64_t Win32FileSystem::fileSize(const std::string& path) {
    const std::wstring name = wide(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (isMissing(GetLastError())) return -1;
        throw lastSystemError();
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return -1;  // a directory is no file
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (isMissing(GetLastError())) return -1;  // removed in the meantime
        throw lastSystemError();
    }
    HandleCloser closer(file);
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) throw lastSystemError();
    return size.QuadPart;
}

std::unique_ptr<LineReader> Win32FileSystem::openText(const std::string& path) {
    return std::make_unique<Win32LineReader>(splitLines(textFromFileBytes(readWholeFile(path), utf8FromAnsi)));
}

namespace {

// A new file, replacing any there, written through a buffer.
std::unique_ptr<Win32LineWriter> createWriter(const std::string& path, TextEncoding encoding) {
    HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw lastSystemError();
    try {
        return std::make_unique<Win32LineWriter>(file, encoding);
    } catch (...) {
        CloseHandle(file);
        throw;
    }
}

class Win32ByteReader : public ByteReader {
public:
    explicit Win32ByteReader(HANDLE file) : file_(file) {}
    ~Win32ByteReader() override { CloseHandle(file_); }
    Win32ByteReader(const Win32ByteReader&) = delete;
    Win32ByteReader& operator=(const Win32ByteReader&) = delete;

    std::int64_t size() override {
        LARGE_INTEGER size;
        if (!GetFileSizeEx(file_, &size)) throw lastSystemError();
        return size.QuadPart;
    }
    std::size_t read(char* buffer, std::size_t count) override {
        std::size_t done = 0;
        while (done < count) {  // a read may give less than asked before the end
            DWORD got = 0;
            const auto ask = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 20));
            if (!ReadFile(file_, buffer + done, ask, &got, nullptr)) throw lastSystemError();
            if (got == 0) break;
            done += got;
        }
        return done;
    }
    void seek(std::int64_t offset) override {
        LARGE_INTEGER to;
        to.QuadPart = std::max<std::int64_t>(offset, 0);
        if (!SetFilePointerEx(file_, to, nullptr, FILE_BEGIN)) throw lastSystemError();
    }

private:
    HANDLE file_;
};

}  // namespace

std::unique_ptr<ByteReader> Win32FileSystem::openBytes(const std::string& path) {
    HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw lastSystemError();
    return std::make_unique<Win32ByteReader>(file);
}

std::unique_ptr<ByteWriter> Win32FileSystem::createBytes(const std::string& path) {
    return createWriter(path, TextEncoding::Utf8);
}

bool Win32FileSystem::ansiCodePageHolds(const std::string& text) {
    bool lost = false;
    ansiFromUtf8(text, &lost);
    return !lost;
}

std::unique_ptr<LineWriter> Win32FileSystem::createText(const std::string& path, TextEncoding encoding) {
    return createWriter(path, encoding);
}

std::optional<std::string> Win32FileSystem::shortName(const std::string& path) {
    // A pattern would name some other file that matches it.
    if (path.find_first_of("*?") != std::string::npos) return std::nullopt;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(wide(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    FindClose(search);
    if (found.cAlternateFileName[0] == L'\0') return std::nullopt;
    return utf8(found.cAlternateFileName);
}

std::vector<DirectoryEntry> Win32FileSystem::listDirectory(const std::string& path) {
    std::wstring pattern = wide(path);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/' && pattern.back() != L':') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW found;
    // Only the names: the system need not look up what the list never shows.
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return {};  // an empty drive root has not even "."
        throw lastSystemError();
    }
    std::vector<DirectoryEntry> entries;
    do {
        const std::wstring_view name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        entries.push_back({utf8(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0});
    } while (FindNextFileW(search, &found));
    const DWORD error = GetLastError();
    FindClose(search);
    if (error != ERROR_NO_MORE_FILES) throw InOutError(systemErrorText(error));
    return entries;
}

std::vector<char> Win32FileSystem::driveLetters() {
    std::vector<char> letters;
    const DWORD present = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((present & (1u << i)) != 0) letters.push_back(static_cast<char>('A' + i));
    }
    return letters;
}

std::string Win32FileSystem::volumeLabel(char letter) {
    const std::wstring root = {static_cast<wchar_t>(letter), L':', L'\\'};
    // A floppy is never asked: its motor would spin up for a label.
    if (GetDriveTypeW(root.c_str()) == DRIVE_REMOVABLE) return {};
    wchar_t label[volumeLabelBuffer] = {};
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);  // no "insert a disc" box for an empty drive
    const bool known =
        GetVolumeInformationW(root.c_str(), label, volumeLabelBuffer, nullptr, nullptr, nullptr, nullptr, 0);
    SetErrorMode(oldMode);
    return known ? utf8(label) : std::string();
}

std::string Win32FileSystem::localAppData() {
    // Asked only where the program's own directory is read-only, so the
    // shell is not loaded at every start.
    static LateLibrary shell(L"shell32.dll");
    static LateLibrary com(L"ole32.dll");
    PWSTR folder = nullptr;
    const HRESULT result = shell.function<decltype(SHGetKnownFolderPath)>("SHGetKnownFolderPath")(
        FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &folder);
    std::string path = SUCCEEDED(result) ? utf8(folder) : std::string();
    com.function<decltype(CoTaskMemFree)>("CoTaskMemFree")(folder);
    if (!SUCCEEDED(result)) throw InOutError(systemErrorText(static_cast<unsigned long>(HRESULT_CODE(result))));
    return path;
}

}  // namespace zelvio
