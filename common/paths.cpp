#include "common/paths.h"

#include "common/filesystem.h"
#include "common/textencoding.h"

#include <algorithm>
#include <string_view>

namespace zelvio {

std::string AddBackslash(const std::string& path) {
    if (!path.empty() && path.back() == '\\') return path;
    return path + '\\';
}

std::string SpacesToUnderscores(const std::string& text) {
    std::string result = text;
    std::replace(result.begin(), result.end(), ' ', '_');
    return result;
}

std::int64_t FileSizeBytes(FileSystem& fs, const std::string& fileName) { return fs.fileSize(fileName); }

std::optional<std::string> ShortName(FileSystem& fs, const std::string& path) { return fs.shortName(path); }

static bool isSeparator(char c) { return c == '\\' || c == ':'; }

// A directory name (followed by a separator) longer than 8 characters, or a
// last name longer than 12 with a "." or longer than 8 without, has no room
// in 8.3 form.
static bool needsShortForm(const std::string& component, bool isLast) {
    const std::size_t characters = characterCount(component);
    if (!isLast) return characters > 8;
    const bool hasDot = component.find('.') != std::string::npos;
    return characters > (hasDot ? 12u : 8u);
}

std::string ShortPath(FileSystem& fs, const std::string& path) {
    std::string result;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !isSeparator(path[end])) ++end;
        const std::string component = path.substr(start, end - start);
        const bool isLast = end == path.size();
        std::string converted = component;
        if (needsShortForm(component, isLast) || !fs.ansiCodePageHolds(component)) {
            if (auto shortName = ShortName(fs, result + component)) converted = *shortName;
        }
        result += converted;
        if (isLast) break;
        result += path[end];
        start = end + 1;
    }
    return result;
}

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

std::string NotAFileNameMessage(const std::string& name) {
    return "\"" + name + "\" is not a file name: it must not be empty or hold any of \\ / : * ? \" < > |";
}

}  // namespace zelvio
