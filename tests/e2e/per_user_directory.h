#pragma once
// "%LOCALAPPDATA%\Mp3 Zelvio", where the main program keeps its files when
// its own directory is read-only. The prefix is shared by every test of a
// run: the directory is removed before and after each test that uses it.

#include "tests/e2e/driver_error.h"
#include "tests/e2e/polling.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/work_directory.h"

#include <shlobj.h>
#include <windows.h>

#include <string>

namespace zelvio::e2e {

class PerUserDirectory {
public:
    PerUserDirectory() {
        PWSTR folder = nullptr;
        if (FAILED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &folder)))
            throw DriverError("no local application data folder");
        path_ = toUtf8(folder) + "\\Mp3 Zelvio";
        CoTaskMemFree(folder);
        clear();
    }
    ~PerUserDirectory() { clear(); }
    PerUserDirectory(const PerUserDirectory&) = delete;
    PerUserDirectory& operator=(const PerUserDirectory&) = delete;

    const std::string& path() const { return path_; }
    std::string pathOf(const std::string& name) const { return path_ + "\\" + name; }

private:
    void clear() {
        pollUntil([&] { return GetFileAttributesW(toWide(path_).c_str()) == INVALID_FILE_ATTRIBUTES ||
                               removeTree(toWide(path_)); },
                  Milliseconds(2000));
    }

    std::string path_;
};

}  // namespace zelvio::e2e
