// e2e_menu_reader.dll: the driver loads it into a program under test and runs
// zelvioReadMenu on a thread of that program, which writes the menu of a
// window into memory the driver then reads.

#include "tests/e2e/menu_listing.h"

#include <cstring>

extern "C" __declspec(dllexport) DWORD WINAPI zelvioReadMenu(void* argument) {
    using namespace zelvio::e2e;
    auto& request = *static_cast<MenuReadRequest*>(argument);
    try {
        HMENU menu = GetMenu(reinterpret_cast<HWND>(static_cast<UINT_PTR>(request.window)));
        if (!menu) return MenuReadNoMenu;
        const std::string listing = writeMenuListing(menu);
        if (listing.size() >= sizeof request.text) return MenuReadTooLong;
        std::memcpy(request.text, listing.data(), listing.size());
        request.length = static_cast<std::uint32_t>(listing.size());
        return MenuReadOk;
    } catch (...) {
        return 0;  // nothing may escape into the program under test
    }
}
