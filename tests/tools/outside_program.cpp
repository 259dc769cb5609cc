// Stands in for an outside program (mixer, player): records how it was started
// in "<its name>.log" beside itself, then ends. The log is UTF-8: the command
// line, then the working directory, each ended by CR LF.

#include <windows.h>

#include <string>

namespace {

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::string bytes(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
    return bytes;
}

}  // namespace

int main() {
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    std::wstring directory(32768, L'\0');
    directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));

    const std::wstring log = self.substr(0, self.rfind(L'.')) + L".log";
    const std::wstring part = log + L".part";
    const std::string record = utf8(GetCommandLineW()) + "\r\n" + utf8(directory) + "\r\n";
    HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    // Appears whole or not at all, so a test never reads half of it.
    MoveFileExW(part.c_str(), log.c_str(), MOVEFILE_REPLACE_EXISTING);
    return 0;
}
