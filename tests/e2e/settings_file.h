#pragma once
// "mpzelvio.cfg" as the tests write and read it: lines ended by CR LF.

#include <string>
#include <vector>

namespace zelvio::e2e {

inline std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

inline std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A complete settings file with both browsers in `directory` and the given mixer.
inline std::string settingsWithMixer(const std::string& directory, const std::string& mixer) {
    return joinLines({"ver 1.5", directory, directory, "", "", "-hq", "0", "", "", mixer, "100", "80", "640", "482"});
}

}  // namespace zelvio::e2e
