// The player bridge: reads the playlist Mp3 Zelvio hands its player, finds
// the long name of each (often 8.3) entry in the working directory, and has
// mpg123 play them in order. ZELVIO_MPG123_OPTIONS adds options to mpg123
// (for example "-o test", which plays into the void).

#include "demo/unixbridge.h"

#include <windows.h>

#include <exception>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

using namespace zelvio::bridge;

namespace {

std::wstring longPathOf(const std::wstring& entry) {
    wchar_t full[MAX_PATH] = {};
    if (GetFullPathNameW(entry.c_str(), MAX_PATH, full, nullptr) == 0) return entry;
    wchar_t longPath[MAX_PATH] = {};
    return GetLongPathNameW(full, longPath, MAX_PATH) != 0 ? longPath : full;
}

std::vector<std::string> songsOf(const std::wstring& playlist) {
    std::ifstream file(playlist.c_str(), std::ios::binary);
    if (!file) throw std::runtime_error("cannot read the playlist " + utf8(playlist));
    std::vector<std::string> songs;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // The playlist is in the ANSI code page.
        if (!line.empty()) songs.push_back(unixPathOf(longPathOf(wide(line, CP_ACP))));
    }
    return songs;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::vector<std::wstring> args = arguments();
    try {
        if (args.empty()) throw std::runtime_error("expected a playlist");
        std::vector<std::string> mpg123{"mpg123"};
        for (const std::string& option : words(environmentText(L"ZELVIO_MPG123_OPTIONS"))) mpg123.push_back(option);
        for (const std::string& song : songsOf(args[0])) mpg123.push_back(song);
        return runAndLog(mpg123);
    } catch (const std::exception& error) {
        return failed("Player bridge", error.what(), true);
    }
}
