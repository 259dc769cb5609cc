#pragma once
// A window's menu written as text, one item a line, so that it can be read
// inside the program that owns it and handed over to the driver. Wine keeps
// menus in their program's memory, where no other process can reach them.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zelvio::e2e {

struct MenuEntry {
    int depth = 0;  // 0 for the menu bar's drop-downs
    UINT id = 0;
    bool popup = false;
    bool separator = false;
    bool grayed = false;
    bool checked = false;
    std::string caption;  // with its "&" and any "\t" shortcut text
};

// "depth<TAB>id<TAB>flags<TAB>caption" lines, depth first.
std::string writeMenuListing(HMENU menu);
std::vector<MenuEntry> parseMenuListing(const std::string& listing);

// What the driver hands the reader inside the program.
struct MenuReadRequest {
    std::uint64_t window = 0;
    std::uint32_t length = 0;
    char text[32768] = {};
};

// The reader's results (its thread's exit code).
enum MenuReadResult : DWORD { MenuReadOk = 1, MenuReadNoMenu = 2, MenuReadTooLong = 3 };

inline constexpr const char* kMenuReaderDll = "e2e_menu_reader.dll";
inline constexpr const char* kMenuReaderEntry = "zelvioReadMenu";

}  // namespace zelvio::e2e
