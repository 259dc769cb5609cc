#pragma once
// A file held open by another program: file_holder.exe opens it with no
// sharing, so the program under test can neither read, write, replace nor
// delete it until the holder is ended.

#include "tests/e2e/test_process.h"

#include <windows.h>

#include <optional>
#include <string>

namespace zelvio::e2e {

class HeldFile {
public:
    // Returns once the file (a full path, UTF-8) is held; fails when the
    // holder cannot open it.
    explicit HeldFile(const std::string& path);
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    // Ends the holder; returns once others can open the file again.
    void release();

private:
    std::string path_;
    std::optional<TestProcess> holder_;
};

// The system's text for `code` as the programs show it in their error boxes:
// without the line end, ended by one ".".
std::string systemMessage(DWORD code);

}  // namespace zelvio::e2e
