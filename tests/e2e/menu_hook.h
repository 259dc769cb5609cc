#pragma once
// How the driver reads a menu inside the program that owns it. It hooks the
// window's thread with e2e_menu_hook.dll (SetWindowsHookEx, WH_CALLWNDPROC),
// which the system loads into the program, and sends the window a registered
// message. On that thread, which owns the menu, the hook writes the listing
// into a file mapping the driver named in the message.

#include <windows.h>

#include <cstdint>
#include <string>

namespace zelvio::e2e {

// The named file mapping's contents.
struct MenuExchange {
    std::uint32_t answered = 0;  // set by the hook once it has written the rest
    std::uint32_t result = 0;    // a MenuReadResult
    std::uint32_t length = 0;
    char text[32768] = {};
};

enum MenuReadResult : std::uint32_t { MenuReadOk = 1, MenuReadNoMenu = 2, MenuReadTooLong = 3, MenuReadFailed = 4 };

inline constexpr const char* kMenuHookDll = "e2e_menu_hook.dll";
inline constexpr const char* kMenuHookProc = "zelvioMenuHook";
// wParam: the driver's process id; lParam: the number of the request.
inline constexpr const wchar_t* kMenuReadMessage = L"ZelvioE2eReadMenu";

inline std::wstring menuExchangeName(DWORD driverProcess, std::uint32_t request) {
    return L"Local\\ZelvioE2eMenu-" + std::to_wstring(driverProcess) + L"-" + std::to_wstring(request);
}

}  // namespace zelvio::e2e
