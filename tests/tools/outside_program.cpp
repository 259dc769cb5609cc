// Stands in for an outside program (mixer, player): records how it was started
// in "<its name>.log" beside itself, then ends.

#include <windows.h>

#include <fstream>
#include <string>

int main() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);

    std::string log = self;
    log = log.substr(0, log.rfind('.')) + ".log";
    std::ofstream out(log + ".part", std::ios::binary);
    out << GetCommandLineA() << "\r\n" << directory << "\r\n";
    out.close();
    // Appears whole or not at all, so a test never reads half of it.
    MoveFileExA((log + ".part").c_str(), log.c_str(), MOVEFILE_REPLACE_EXISTING);
    return 0;
}
