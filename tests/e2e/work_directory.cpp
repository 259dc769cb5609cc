#include "tests/e2e/work_directory.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/polling.h"
#include "tests/e2e/system_error.h"
#include "tests/e2e/test_process.h"
#include "tests/e2e/utf8.h"

#include <windows.h>


namespace zelvio::e2e {

WorkDirectory::WorkDirectory() {
    char temp[MAX_PATH] = {};
    if (!GetTempPathA(MAX_PATH, temp)) throw DriverError("no temporary directory: " + lastErrorText());
    const std::string base = std::string(temp) + "zelvio-e2e-" + std::to_string(GetCurrentProcessId()) + "-";
    static int counter = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string candidate = base + std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw DriverError("cannot create the work directory " + candidate + ": " + lastErrorText());
    }
    throw DriverError("cannot find a free work directory name like " + base + "N");
}

bool removeTree(const std::wstring& directory) {
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((directory + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = directory + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryW(directory.c_str()) != FALSE;
}

WorkDirectory::~WorkDirectory() {
    // A program that has just been ended may hold its files a moment longer.
    pollUntil([&] { return removeTree(toWide(path_)); }, Milliseconds(2000));
}

std::string WorkDirectory::pathOf(const std::string& relative) const { return path_ + "\\" + relative; }

bool WorkDirectory::exists(const std::string& relative) const {
    return GetFileAttributesW(toWide(pathOf(relative)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WorkDirectory::createDirectory(const std::string& relative) const {
    if (!CreateDirectoryW(toWide(pathOf(relative)).c_str(), nullptr))
        throw DriverError("cannot create " + pathOf(relative) + ": " + lastErrorText());
}

void WorkDirectory::writeFile(const std::string& relative, const std::string& contents) const {
    writeFileAt(pathOf(relative), contents);
}

void WorkDirectory::copyBuilt(const std::string& fileName, const std::string& relative) const {
    if (!CopyFileW(toWide(programBeside(fileName)).c_str(), toWide(pathOf(relative)).c_str(), FALSE))
        throw DriverError("cannot copy " + fileName + " to " + pathOf(relative) + ": " + lastErrorText());
}

void writeFileAt(const std::string& path, const std::string& contents) {
    HANDLE file =
        CreateFileW(toWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw DriverError("cannot write " + path + ": " + lastErrorText());
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
    if (!wrote || written != contents.size()) throw DriverError("cannot write " + path);
}

std::string WorkDirectory::readFile(const std::string& relative) const { return readFileAt(pathOf(relative)); }

std::string readFileAt(const std::string& path) {
    HANDLE file = CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw DriverError("cannot read " + path + ": " + lastErrorText());
    std::string contents;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) contents.append(chunk, got);
    CloseHandle(file);
    return contents;
}

}  // namespace zelvio::e2e
