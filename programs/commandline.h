#pragma once
// Arguments on the command lines the program builds for outside programs.

#include <string>

namespace zelvio {

// The text as one argument: as it is, or in double quotes when it holds a
// blank, a quote or a character a command interpreter acts on ("&", "|",
// "<", ">", "^"), so that the program's C runtime reads back the same text.
std::string commandArgument(const std::string& text);

}  // namespace zelvio
