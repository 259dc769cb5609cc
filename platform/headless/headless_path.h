#pragma once
// Windows path rules applied to the text alone, as GetFullPathName applies
// them before any file is looked at: "/" is "\", runs of separators count as
// one, "." and ".." are resolved, and the last name loses trailing dots and
// spaces. Names compare without regard to ASCII letter case.

#include <string>
#include <string_view>
#include <vector>

namespace zelvio {

struct HeadlessPath {
    std::string drive;               // "C:", in the letter case written
    std::vector<std::string> names;  // below the drive's root, as written
    bool trailingSeparator = false;  // "C:\dir\" names a directory only
    const char* error = nullptr;     // the system's text when no file call would take the path

    // "C:\a\b", or "C:\" for a root.
    std::string text() const;
};

// `path` made absolute against `current`, an absolute directory such as "C:\a"
// or "C:\". "X:name" on another drive starts at that drive's root.
HeadlessPath makeHeadlessPath(std::string_view path, std::string_view current);

bool sameFileName(std::string_view a, std::string_view b);
std::string lowerCaseAscii(std::string_view text);

}  // namespace zelvio
