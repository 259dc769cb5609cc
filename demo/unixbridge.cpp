#include "demo/unixbridge.h"

#include <windows.h>

#include <shellapi.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zelvio::bridge {

namespace {

// Wine's own exports; a Windows system has neither.
using UnixFileName = char*(__cdecl*)(const wchar_t*);
using UnixSpawn = LONG(__cdecl*)(char* const argv[], int wait);

template <class Function>
Function wineExport(const wchar_t* module, const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(module), name);
    if (found == nullptr) throw std::runtime_error(std::string(name) + " is missing: this bridge runs only under Wine");
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

std::wstring besideThisProgram(const wchar_t* fileName) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + fileName;
}

}  // namespace

std::vector<std::wstring> arguments() {
    int count = 0;
    wchar_t** split = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> result;
    for (int i = 1; i < count; ++i) result.emplace_back(split[i]);
    LocalFree(split);
    return result;
}

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                        nullptr);
    return result;
}

std::wstring wide(const std::string& text, unsigned codePage) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
    return result;
}

std::string unixPathOf(const std::wstring& windowsPath) {
    const auto translate = wineExport<UnixFileName>(L"kernel32.dll", "wine_get_unix_file_name");
    char* path = translate(windowsPath.c_str());
    if (path == nullptr) throw std::runtime_error("Wine has no Unix path for " + utf8(windowsPath));
    std::string result = path;
    HeapFree(GetProcessHeap(), 0, path);
    return result;
}

int runUnixProgram(const std::vector<std::string>& argv, bool wait) {
    const auto spawn = wineExport<UnixSpawn>(L"ntdll.dll", "__wine_unix_spawnvp");
    std::vector<char*> pointers;
    for (const std::string& argument : argv) pointers.push_back(const_cast<char*>(argument.c_str()));
    pointers.push_back(nullptr);
    const LONG result = spawn(pointers.data(), wait ? 1 : 0);
    // Exit codes are 0..255; anything else is Wine's status for a failed start.
    if (result < 0 || result > 255) {
        std::ostringstream text;
        text << "cannot start " << argv.front() << " (status 0x" << std::hex << static_cast<unsigned long>(result)
             << "): is it installed?";
        throw std::runtime_error(text.str());
    }
    return wait ? static_cast<int>(result) : 0;
}

int runAndLog(const std::vector<std::string>& argv) {
    std::string line;
    for (const std::string& word : argv) line += (line.empty() ? "" : " ") + word;
    log(line);
    const int code = runUnixProgram(argv, true);
    log(argv.front() + " ended with exit code " + std::to_string(code));
    return code;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> result;
    for (std::string word; stream >> word;) result.push_back(word);
    return result;
}

std::string environmentText(const wchar_t* name) {
    wchar_t value[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? utf8(value) : std::string();
}

int failed(const std::string& bridgeName, const std::string& what, bool tellUser) {
    log(bridgeName + ": " + what);
    if (tellUser) MessageBoxW(nullptr, wide(what).c_str(), wide(bridgeName).c_str(), MB_OK | MB_ICONSTOP);
    return 1;
}

void log(const std::string& line) {
    std::ofstream file(besideThisProgram(L"bridges.log").c_str(), std::ios::app | std::ios::binary);
    file << line << "\r\n";
}

}  // namespace zelvio::bridge
