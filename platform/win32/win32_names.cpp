#include "platform/win32/win32_names.h"

#include "platform/win32/win32_unicode.h"

namespace zelvio {

namespace {
constexpr const wchar_t* propertyName = L"Name";
}

void setDesignName(HWND window, const std::string& name) {
    const ATOM atom = GlobalAddAtomW(wide(name).c_str());
    if (atom == 0) return;
    if (!SetPropW(window, propertyName, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)))) {
        GlobalDeleteAtom(atom);
    }
}

void removeDesignName(HWND window) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(RemovePropW(window, propertyName)));
    if (atom != 0) GlobalDeleteAtom(atom);
}

}  // namespace zelvio
