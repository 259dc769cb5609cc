#include "encoding/commandline.h"

namespace zelvio {

std::string commandArgument(const std::string& text) {
    if (text.find_first_of(" &|<>^") == std::string::npos) return text;
    return "\"" + text + "\"";
}

}  // namespace zelvio
