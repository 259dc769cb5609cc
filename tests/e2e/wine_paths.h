#pragma once
// Paths between the two sides of Wine: the Linux path of a Windows one, and
// the Windows path of a Linux one (the Linux root is drive Z:).

#include <string>

namespace zelvio::e2e {

// Wine's own answer; empty when not under Wine.
std::string unixPathOf(const std::string& path);
std::string windowsPathOfUnix(const std::string& unixPath);

}  // namespace zelvio::e2e
