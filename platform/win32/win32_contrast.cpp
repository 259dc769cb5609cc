#include "platform/win32/win32_contrast.h"

#include "platform/win32/win32_wine.h"

#include <cstring>
#include <cwchar>
#include <optional>

namespace zelvio {

namespace {

std::optional<bool> knownHighContrast;

// Wine answers SPI_GETHIGHCONTRAST with "off" whatever the user chose; the
// choice is kept where Windows keeps it, as a number in a string (or a DWORD).
bool registryHighContrast() {
    wchar_t value[32] = {};
    DWORD size = sizeof value - sizeof(wchar_t);  // room for the end Windows may not write
    DWORD type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Accessibility\\HighContrast", L"Flags",
                     RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, value, &size) != ERROR_SUCCESS) {
        return false;
    }
    DWORD flags = 0;
    if (type == REG_DWORD) {
        std::memcpy(&flags, value, sizeof flags);
    } else {
        flags = static_cast<DWORD>(std::wcstoul(value, nullptr, 10));
    }
    return (flags & HCF_HIGHCONTRASTON) != 0;
}

bool systemHighContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
        (setting.dwFlags & HCF_HIGHCONTRASTON) != 0) {
        return true;
    }
    return runsUnderWine() && registryHighContrast();
}

// The system colours (COLOR_*) of each ground under high contrast. A word
// that stands out takes the colour of links, made to read on a window's or
// a face's background.
struct GroundColours {
    int text;
    int back;
    int standout;
};

GroundColours systemColours(Ground ground) {
    switch (ground) {
        case Ground::Face:
            return {COLOR_BTNTEXT, COLOR_BTNFACE, COLOR_HOTLIGHT};
        case Ground::Window:
            return {COLOR_WINDOWTEXT, COLOR_WINDOW, COLOR_HOTLIGHT};
        case Ground::Selection:
            break;
    }
    return {COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT};
}

int systemColour(Role role, Ground ground) {
    const GroundColours colours = systemColours(ground);
    return role == Role::Text ? colours.text : role == Role::Back ? colours.back : colours.standout;
}

}  // namespace

bool highContrast() {
    if (!knownHighContrast) knownHighContrast = systemHighContrast();
    return *knownHighContrast;
}

void forgetContrast() { knownHighContrast.reset(); }

COLORREF colourOf(Role role, Ground ground, COLORREF design) {
    return highContrast() ? GetSysColor(systemColour(role, ground)) : design;
}

HBRUSH brushOf(Role role, Ground ground, HBRUSH design) {
    return highContrast() ? GetSysColorBrush(systemColour(role, ground)) : design;
}

void repaintInNewColours(HWND form) {
    forgetContrast();
    // The common controls (the status bar) take the system's colours when told.
    for (HWND child = GetWindow(form, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    }
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace zelvio
