#include "tests/e2e/work_directory.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/polling.h"
#include "tests/e2e/system_error.h"

#include <windows.h>

#include <fstream>
#include <sstream>

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

static bool removeTree(const std::string& directory) {
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = directory + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(directory.c_str()) != FALSE;
}

WorkDirectory::~WorkDirectory() {
    // A program that has just been ended may hold its files a moment longer.
    pollUntil([&] { return removeTree(path_); }, Milliseconds(2000));
}

std::string WorkDirectory::pathOf(const std::string& relative) const { return path_ + "\\" + relative; }

bool WorkDirectory::exists(const std::string& relative) const {
    return GetFileAttributesA(pathOf(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WorkDirectory::createDirectory(const std::string& relative) const {
    if (!CreateDirectoryA(pathOf(relative).c_str(), nullptr))
        throw DriverError("cannot create " + pathOf(relative) + ": " + lastErrorText());
}

void WorkDirectory::writeFile(const std::string& relative, const std::string& contents) const {
    std::ofstream out(pathOf(relative), std::ios::binary);
    out << contents;
    out.close();
    if (!out) throw DriverError("cannot write " + pathOf(relative));
}

std::string WorkDirectory::readFile(const std::string& relative) const {
    std::ifstream in(pathOf(relative), std::ios::binary);
    if (!in) throw DriverError("cannot read " + pathOf(relative) + ": no such file");
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

}  // namespace zelvio::e2e
