#include "platform/win32/win32_names.h"

namespace zelvio {

namespace {
constexpr const char* propertyName = "Name";
}

void setDesignName(HWND window, const std::string& name) {
    const ATOM atom = GlobalAddAtomA(name.c_str());
    if (atom == 0) return;
    if (!SetPropA(window, propertyName, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)))) {
        GlobalDeleteAtom(atom);
    }
}

void removeDesignName(HWND window) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(RemovePropA(window, propertyName)));
    if (atom != 0) GlobalDeleteAtom(atom);
}

}  // namespace zelvio
