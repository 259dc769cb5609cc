#include "platform/headless/headless_path.h"

#include "platform/headless/headless_system_texts.h"

#include <algorithm>

namespace zelvio {

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Characters no Windows file name may hold.
bool validName(std::string_view name) {
    if (name.size() > 255) return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 32 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
    });
}

void addNames(std::vector<std::string>& names, std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\\', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view name = text.substr(start, end - start);
        if (name == "..") {
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.emplace_back(name);
        }
        start = end + 1;
    }
}

}  // namespace

std::string HeadlessPath::text() const {
    std::string result = drive + "\\";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) result += '\\';
        result += names[i];
    }
    return result;
}

HeadlessPath makeHeadlessPath(std::string_view path, std::string_view current) {
    HeadlessPath result;
    std::string text(path);
    std::replace(text.begin(), text.end(), '/', '\\');
    if (text.empty()) {
        result.error = systemtext::InvalidName;
        return result;
    }
    if (text.size() >= 2 && text[0] == '\\' && text[1] == '\\') {
        result.error = systemtext::BadNetPath;  // a server share; there are none
        return result;
    }

    const std::string_view currentDrive = current.substr(0, 2);
    std::string_view rest = text;
    std::string_view base;  // the directory a relative path starts from
    if (text.size() >= 2 && isLetter(text[0]) && text[1] == ':') {
        result.drive = text.substr(0, 2);
        rest.remove_prefix(2);
        if ((rest.empty() || rest[0] != '\\') && sameFileName(result.drive, currentDrive)) {
            result.drive = currentDrive;
            base = current.substr(2);
        }
    } else {
        result.drive = currentDrive;
        if (text[0] != '\\') base = current.substr(2);
    }
    addNames(result.names, base);
    addNames(result.names, rest);

    result.trailingSeparator = text.back() == '\\';
    if (!result.trailingSeparator && !result.names.empty()) {
        std::string& last = result.names.back();
        while (!last.empty() && (last.back() == '.' || last.back() == ' ')) last.pop_back();
        if (last.empty()) result.names.pop_back();
    }
    for (const auto& name : result.names) {
        if (!validName(name)) result.error = name.size() > 255 ? systemtext::NameTooLong : systemtext::InvalidName;
    }
    return result;
}

bool sameFileName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lower(x) == lower(y);
           });
}

std::string lowerCaseAscii(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), lower);
    return result;
}

}  // namespace zelvio
