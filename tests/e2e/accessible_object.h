#pragma once
// oleacc's objects as the tests read them: IAccessible's id spelled out
// (MinGW's IID_IAccessible, imported from oleacc, reads a thunk, not the
// GUID), an owning pointer, and what the object says of itself or of one of
// its items.

#include <windows.h>

#include <oleacc.h>

#include <memory>
#include <string>

namespace zelvio::e2e {

constexpr GUID accessibleIid = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

struct ReleaseObject {
    void operator()(IAccessible* object) const { object->Release(); }
};
using Accessible = std::unique_ptr<IAccessible, ReleaseObject>;

// The system's own object for the window's client area, as Wine or Windows
// makes it, whatever the window answers itself; null when there is none.
Accessible systemObject(HWND window);

// The object's answers for itself (CHILDID_SELF) or for its item `child`
// (counted from 1): a text is empty, a role 0, when it gives none.
std::string accName(IAccessible* object, long child = CHILDID_SELF);
std::string accValue(IAccessible* object, long child = CHILDID_SELF);
long accRole(IAccessible* object, long child = CHILDID_SELF);

}  // namespace zelvio::e2e
