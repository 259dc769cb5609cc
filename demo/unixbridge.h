#pragma once
// What the bridges share: they are Windows programs that run under Wine and
// start a Linux program in their place, with the file names translated to
// Unix paths by Wine itself.

#include <string>
#include <vector>

namespace zelvio::bridge {

// The bridge's own arguments, as Windows splits a command line.
std::vector<std::wstring> arguments();

std::string utf8(const std::wstring& text);
// From UTF-8, or from the given code page (CP_ACP: the ANSI code page).
std::wstring wide(const std::string& text, unsigned codePage = 65001);

// The Unix path Wine maps a Windows path to; the file need not exist.
// Throws std::runtime_error when not running under Wine.
std::string unixPathOf(const std::wstring& windowsPath);

// Runs a Linux program found on the PATH. With `wait` it returns the
// program's exit code; without, 0 once it has started.
// Throws std::runtime_error when it cannot be started.
int runUnixProgram(const std::vector<std::string>& argv, bool wait);

// Runs the program as runUnixProgram does, waiting, and logs its command
// line and its exit code.
int runAndLog(const std::vector<std::string>& argv);

// Splits a text on blanks: the extra options a variable or a setting gives.
std::vector<std::string> words(const std::string& text);

// The value of an environment variable, empty when unset.
std::string environmentText(const wchar_t* name);

// Logs the failure and, for a bridge started from the program's window,
// tells the user in a message box; returns the bridge's exit code, 1.
int failed(const std::string& bridgeName, const std::string& what, bool tellUser);

// Appends one line to "bridges.log" beside the bridge, so that a user (or a
// test) can read what was run and how it ended.
void log(const std::string& line);

}  // namespace zelvio::bridge
