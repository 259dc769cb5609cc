// Stands in for an outside program (mixer, player): records how it was started
// in "<its name>.log" beside itself, then ends. The log is UTF-8: the command
// line, then the working directory, each ended by CR LF.

#include "tests/e2e/utf8.h"

#include <windows.h>

#include <string>

int main() {
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    std::wstring directory(32768, L'\0');
    directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));

    const std::wstring log = self.substr(0, self.rfind(L'.')) + L".log";
    const std::wstring part = log + L".part";
    const std::string record =
        zelvio::e2e::toUtf8(GetCommandLineW()) + "\r\n" + zelvio::e2e::toUtf8(directory) + "\r\n";
    HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    // Appears whole or not at all, so a test never reads half of it.
    MoveFileExW(part.c_str(), log.c_str(), MOVEFILE_REPLACE_EXISTING);
    return 0;
}
