// Holds a file as another program may: "file_holder PATH [EVENT]" opens the
// file with no sharing, sets the named event EVENT once it holds it, and keeps
// it open until it is ended, so nobody else can read, write, replace or
// delete it meanwhile. Exit code 1 when the file cannot be opened, 2 when no
// path is given.

#include <windows.h>
#include <shellapi.h>

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count < 2) return 2;
    HANDLE file = CreateFileW(args[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    if (count >= 3) {
        HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, args[2]);
        if (held) SetEvent(held);
    }
    LocalFree(args);
    Sleep(INFINITE);
}
