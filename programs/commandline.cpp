#include "programs/commandline.h"

namespace zelvio {

// Quoted as the C runtime reads it back: backslashes stand for themselves
// except before a quote, so those before an inner quote and those before the
// closing one are doubled, and an inner quote is escaped.
std::string commandArgument(const std::string& text) {
    if (text.find_first_of(" \t\"&|<>^") == std::string::npos) return text;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
        } else {
            if (c == '"') quoted.append(backslashes + 1, '\\');
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, '\\');
    return quoted + "\"";
}

}  // namespace zelvio
