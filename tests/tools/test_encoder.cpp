// Stands in for an MP3 encoder: "test_encoder INPUT.WAV OUTPUT.MP3 [FLAGS]".
// Every start first adds its command line to "<its name>.log" beside itself
// (UTF-8, one line each, ended by CR LF), then it "encodes": it checks that
// the input is there and writes a few frames of MPEG audio silence to the
// output, so that the program can tag it as it tags a real encoder's file.
//
// Flags, from the third argument on; any other (-hq, ...) is ignored:
//   --sleep=N     wait N milliseconds first, so a test can stop it midway
//   --exit=N      end with exit code N, writing nothing
//   --no-output   end with 0, writing nothing
// Exit codes of its own: 2 when the input is missing, 3 when an argument is
// missing, 4 when the output cannot be written.

#include "tests/e2e/utf8.h"
#include "tests/unit/mp3_bytes.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <string_view>

namespace {

void complain(const std::wstring& text) { std::fputs((zelvio::e2e::toUtf8(text) + "\r\n").c_str(), stderr); }

// Whole lines in one write to a file opened for appending only: a test
// reading meanwhile sees every line whole, and several runs add up.
void logCommandLine() {
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    const std::wstring log = self.substr(0, self.rfind(L'.')) + L".log";
    const std::string line = zelvio::e2e::toUtf8(GetCommandLineW()) + "\r\n";
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

// The number after "NAME=" when the flag is that one.
bool flagValue(std::wstring_view flag, std::wstring_view name, unsigned long& value) {
    if (!flag.starts_with(name) || flag.size() <= name.size() || flag[name.size()] != L'=') return false;
    value = std::wcstoul(std::wstring(flag.substr(name.size() + 1)).c_str(), nullptr, 10);
    return true;
}

}  // namespace

int main() {
    logCommandLine();
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count < 3) {
        complain(L"test_encoder: usage: test_encoder INPUT.WAV OUTPUT.MP3 [FLAGS]");
        return 3;
    }
    const std::wstring input = args[1];
    const std::wstring output = args[2];
    unsigned long sleep = 0;
    unsigned long exitCode = 0;
    bool exits = false;
    bool writes = true;
    for (int i = 3; i < count; ++i) {
        const std::wstring_view flag = args[i];
        if (flagValue(flag, L"--exit", exitCode)) exits = true;
        flagValue(flag, L"--sleep", sleep);
        if (flag == L"--no-output") writes = false;
    }
    LocalFree(args);

    if (sleep) Sleep(sleep);
    if (exits) return static_cast<int>(exitCode);
    if (!writes) return 0;
    if (GetFileAttributesW(input.c_str()) == INVALID_FILE_ATTRIBUTES) {
        complain(L"test_encoder: no input " + input);
        return 2;
    }
    HANDLE file = CreateFileW(output.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        complain(L"test_encoder: cannot write " + output);
        return 4;
    }
    const std::string content = zelvio::mpegFrames(4);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
