#include "tests/e2e/trash.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/system_error.h"
#include "tests/e2e/utf8.h"
#include "tests/e2e/wine_paths.h"
#include "tests/e2e/work_directory.h"

#include <windows.h>

#include <vector>

namespace zelvio::e2e {

namespace {

// A .trashinfo's Path= value: the Linux path with bytes outside plain ASCII
// written as %XX.
std::string decoded(const std::string& text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            plain += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

std::string originOf(const std::string& trashInfo) {
    const std::string bytes = readFileAt(trashInfo);
    const std::size_t start = bytes.find("\nPath=");
    if (start == std::string::npos) return {};
    const std::size_t value = start + 6;
    return decoded(bytes.substr(value, bytes.find('\n', value) - value));
}

// The names of the trash's .trashinfo files, without ".trashinfo".
std::vector<std::string> trashedNames(const std::string& trash) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(toWide(trash + "\\info\\*.trashinfo").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = toUtf8(found.cFileName);
        names.push_back(name.substr(0, name.size() - 10));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::optional<std::string> trashedName(const std::string& path) {
    const std::string trash = trashDirectory();
    if (trash.empty()) throw DriverError("ZELVIO_TRASH_DIR is not set: run this test through tools/run-e2e.sh");
    const std::string origin = unixPathOf(path);
    for (const std::string& name : trashedNames(trash)) {
        if (originOf(trash + "\\info\\" + name + ".trashinfo") == origin) return name;
    }
    return std::nullopt;
}

}  // namespace

std::string trashDirectory() {
    wchar_t value[4096] = {};
    const DWORD length = GetEnvironmentVariableW(L"ZELVIO_TRASH_DIR", value, 4096);
    return length > 0 && length < 4096 ? windowsPathOfUnix(toUtf8(value)) : std::string();
}

std::optional<std::string> trashedFrom(const std::string& path) {
    const auto name = trashedName(path);
    if (!name) return std::nullopt;
    return trashDirectory() + "\\files\\" + *name;
}

void restoreFromTrash(const std::string& path) {
    const auto name = trashedName(path);
    if (!name) throw DriverError("nothing in the trash came from " + path);
    const std::string trash = trashDirectory();
    if (!MoveFileW(toWide(trash + "\\files\\" + *name).c_str(), toWide(path).c_str()))
        throw DriverError("cannot restore " + path + ": " + lastErrorText());
    DeleteFileW(toWide(trash + "\\info\\" + *name + ".trashinfo").c_str());
}

TrashOutOfReach::TrashOutOfReach() : trash_(trashDirectory()) {
    if (trash_.empty()) throw DriverError("ZELVIO_TRASH_DIR is not set: run this test through tools/run-e2e.sh");
    const std::wstring trash = toWide(trash_);
    if (GetFileAttributesW(trash.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (!MoveFileW(trash.c_str(), (trash + L".away").c_str()))
            throw DriverError("cannot move the trash away: " + lastErrorText());
        movedAway_ = true;
    }
    // Its parents, from the home directory down, may not be there yet.
    for (std::size_t slash = trash.find(L'\\', 3); slash != std::wstring::npos; slash = trash.find(L'\\', slash + 1))
        CreateDirectoryW(trash.substr(0, slash).c_str(), nullptr);
    writeFileAt(trash_, "");
}

TrashOutOfReach::~TrashOutOfReach() {
    const std::wstring trash = toWide(trash_);
    DeleteFileW(trash.c_str());
    if (movedAway_) MoveFileW((trash + L".away").c_str(), trash.c_str());
}

}  // namespace zelvio::e2e
