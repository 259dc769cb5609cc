// ShortPath over any path (settings, browsed directories) in a file system
// with some short names: it keeps every separator, and each component that
// 8.3 has no room for, or the ANSI code page cannot hold, becomes its short
// name when the file system has one; every other component stays as it is.

#include "common/paths.h"
#include "common/textencoding.h"
#include "fuzz_check.h"
#include "platform/headless/headless_filesystem.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <stdexcept>
#include <vector>

using namespace zelvio;

namespace {

bool isSeparator(char c) { return c == '\\' || c == ':'; }

// The path cut at its separators: the texts between them, and the separators.
struct Pieces {
    std::vector<std::string> components;
    std::string separators;
};

Pieces cut(const std::string& path) {
    Pieces pieces{{""}, ""};
    for (const char c : path) {
        if (isSeparator(c)) {
            pieces.separators += c;
            pieces.components.emplace_back();
        } else {
            pieces.components.back() += c;
        }
    }
    return pieces;
}

// No room in 8.3: a directory's name (followed by a separator) longer than 8
// characters, a last name longer than 12 with a "." or than 8 without.
bool tooLongFor83(const std::string& component, bool isLast) {
    const std::size_t characters = characterCount(component);
    if (!isLast) return characters > 8;
    return characters > (component.find('.') != std::string::npos ? 12u : 8u);
}

// Directories and files named by the input, some with short names.
void setScene(HeadlessFileSystem& fs, FuzzedDataProvider& input) {
    fs.addDrive('D');
    const int count = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < count; ++i) {
        const std::string path = (input.ConsumeBool() ? "C:\\" : "D:\\") + input.ConsumeRandomLengthString(60);
        const bool directory = input.ConsumeBool();
        const std::string shortName = input.ConsumeRandomLengthString(12);
        // A file system's short name never holds a separator.
        if (shortName.find_first_of("\\:") != std::string::npos) continue;
        try {  // names the file system refuses make no scene
            if (directory) {
                fs.makeDirectories(path);
            } else {
                fs.putFile(path, "");
            }
            fs.setShortName(path, shortName);
        } catch (const std::exception&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    HeadlessFileSystem fs;
    setScene(fs, input);
    const std::string path = input.ConsumeRemainingBytesAsString();

    const std::string shortened = ShortPath(fs, path);

    const Pieces from = cut(path);
    const Pieces to = cut(shortened);
    FUZZ_CHECK(to.separators == from.separators);
    FUZZ_CHECK(to.components.size() == from.components.size());
    std::string prefix;  // the shortened path up to the component
    for (std::size_t i = 0; i < from.components.size(); ++i) {
        const std::string& component = from.components[i];
        const bool isLast = i + 1 == from.components.size();
        const bool needsShortName = tooLongFor83(component, isLast) || !fs.ansiCodePageHolds(component);
        const auto shortName = fs.shortName(prefix + component);
        FUZZ_CHECK(to.components[i] == (needsShortName && shortName ? *shortName : component));
        prefix += to.components[i];
        if (i < from.separators.size()) prefix += from.separators[i];
    }
    return 0;
}
