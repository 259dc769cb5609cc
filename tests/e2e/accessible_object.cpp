#include "tests/e2e/accessible_object.h"

#include "tests/e2e/utf8.h"

namespace zelvio::e2e {

namespace {

VARIANT childId(long child) {
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = child;
    return id;
}

// A text answer's words; empty when there is none.
template <class Ask>
std::string asked(Ask ask) {
    BSTR text = nullptr;
    const HRESULT result = ask(&text);
    if (text == nullptr) return {};
    std::string said = result == S_OK ? toUtf8(std::wstring_view(text, SysStringLen(text))) : std::string();
    SysFreeString(text);
    return said;
}

}  // namespace

Accessible systemObject(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, accessibleIid, reinterpret_cast<void**>(&object)))) {
        return nullptr;
    }
    return Accessible(object);
}

std::string accName(IAccessible* object, long child) {
    return asked([&](BSTR* text) { return object->get_accName(childId(child), text); });
}

std::string accValue(IAccessible* object, long child) {
    return asked([&](BSTR* text) { return object->get_accValue(childId(child), text); });
}

long accRole(IAccessible* object, long child) {
    VARIANT role{};
    if (object->get_accRole(childId(child), &role) != S_OK || role.vt != VT_I4) return 0;
    return role.lVal;
}

}  // namespace zelvio::e2e
