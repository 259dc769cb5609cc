#pragma once
// The XDG trash of the Wine session, where the Recycle Bin keeps what the
// programs delete: "files" holds each file, "info" a NAME.trashinfo naming
// the Linux path it came from. tools/run-e2e.sh names it in ZELVIO_TRASH_DIR.

#include <optional>
#include <string>

namespace zelvio::e2e {

// The trash as Wine shows it, on Z:; empty outside tools/run-e2e.sh.
std::string trashDirectory();

// The file in the trash that came from `path` (a Windows path), as its
// .trashinfo says; none when there is none.
std::optional<std::string> trashedFrom(const std::string& path);

// Moves the file that came from `path` back there and drops its .trashinfo,
// as the Recycle Bin's Restore does.
void restoreFromTrash(const std::string& path);

// While it lives, a file stands where the trash belongs, so that a program
// started meanwhile finds no Recycle Bin; the trash is put back after.
class TrashOutOfReach {
public:
    TrashOutOfReach();
    ~TrashOutOfReach();
    TrashOutOfReach(const TrashOutOfReach&) = delete;
    TrashOutOfReach& operator=(const TrashOutOfReach&) = delete;

private:
    std::string trash_;
    bool movedAway_ = false;
};

}  // namespace zelvio::e2e
