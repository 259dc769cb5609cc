// e2e_menu_hook.dll: the driver hooks a program's window thread with
// zelvioMenuHook, and the system loads this library into that program. On the
// driver's registered message the hook writes the window's menu into the
// driver's file mapping; every other message passes untouched.

#include "tests/e2e/menu_hook.h"
#include "tests/e2e/menu_listing.h"

#include <cstring>

namespace {

using namespace zelvio::e2e;

void writeMenu(HWND window, MenuExchange& exchange) {
    HMENU menu = GetMenu(window);
    if (!menu) {
        exchange.result = MenuReadNoMenu;
        return;
    }
    const std::string listing = writeMenuListing(menu);
    if (listing.size() > sizeof exchange.text) {
        exchange.result = MenuReadTooLong;
        return;
    }
    std::memcpy(exchange.text, listing.data(), listing.size());
    exchange.length = static_cast<std::uint32_t>(listing.size());
    exchange.result = MenuReadOk;
}

void answer(HWND window, DWORD driverProcess, std::uint32_t request) {
    HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, menuExchangeName(driverProcess, request).c_str());
    if (!mapping) return;  // the driver gave up on this request
    if (auto* exchange = static_cast<MenuExchange*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(MenuExchange)))) {
        try {
            writeMenu(window, *exchange);
        } catch (...) {
            exchange->result = MenuReadFailed;  // nothing may escape into the program under test
        }
        exchange->answered = 1;
        UnmapViewOfFile(exchange);
    }
    CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK zelvioMenuHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT readMenu = RegisterWindowMessageW(kMenuReadMessage);
    if (code == HC_ACTION) {
        const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (readMenu != 0 && call.message == readMenu)
            answer(call.hwnd, static_cast<DWORD>(call.wParam), static_cast<std::uint32_t>(call.lParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
