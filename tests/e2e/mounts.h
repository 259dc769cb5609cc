#pragma once
// Real faults of the file system for a test: a tmpfs mounted on one of its
// directories, made read-only or filled up. Wine cannot mount; the Linux side
// can, through tools/e2e-mount.sh, which tools/run-e2e.sh names in
// ZELVIO_MOUNT_HELPER and which Wine runs as the Linux program it is.

#include <string>

namespace zelvio::e2e {

class TmpfsMount {
public:
    // An empty tmpfs of `size` ("8m", "64k") on `directory`, made when missing.
    TmpfsMount(const std::string& directory, const std::string& size);
    // Unmounts it: nothing a test mounted outlives it.
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    // Why nothing was mounted here (not root, no mounting in this container);
    // empty when it was. A test skips with the reason.
    const std::string& refused() const { return refused_; }

    // From now on nothing can be written there.
    void makeReadOnly();
    // Writes a file of zeros until the disk is full.
    void fill(const std::string& fileName);

private:
    std::string directory_;
    std::string unixDirectory_;
    std::string refused_;
    bool mounted_ = false;
};

}  // namespace zelvio::e2e
