#include "platform/win32/win32_accessible.h"

#include "platform/win32/win32_late_library.h"
#include "platform/win32/win32_unicode.h"

#include <ole2.h>
#include <oleacc.h>

#include <new>
#include <unordered_map>

namespace zelvio {

namespace {

// IID_IAccessible as MinGW imports it from oleacc reads a thunk, not the GUID.
constexpr GUID accessibleIid = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

LateLibrary& oleacc() {
    static LateLibrary library(L"oleacc.dll");
    return library;
}

LateLibrary& oleaut32() {
    static LateLibrary library(L"oleaut32.dll");
    return library;
}

// Never destroyed: controls leave it as they go, whenever that is.
std::unordered_map<HWND, AccessibleSource*>& sources() {
    static auto* byWindow = new std::unordered_map<HWND, AccessibleSource*>;
    return *byWindow;
}

AccessibleSource* sourceOf(HWND window) {
    const auto found = sources().find(window);
    return found == sources().end() ? nullptr : found->second;
}

// The object a screen reader holds must live in an apartment of the thread
// that owns the windows, where the message loops deliver its calls.
bool comReady() {
    static LateLibrary ole32(L"ole32.dll");
    thread_local const HRESULT joined =
        ole32.function<decltype(CoInitializeEx)>("CoInitializeEx")(nullptr, COINIT_APARTMENTTHREADED);
    return SUCCEEDED(joined) || joined == RPC_E_CHANGED_MODE;
}

HRESULT giveText(const std::string& text, BSTR* out) {
    const std::wstring wideText = wide(text);
    *out = oleaut32().function<decltype(SysAllocStringLen)>("SysAllocStringLen")(wideText.data(),
                                                                                 static_cast<UINT>(wideText.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The child a question is about: CHILDID_SELF for the object itself.
std::optional<LONG> childOf(const VARIANT& child) {
    switch (child.vt) {
        case VT_I4:
            return child.lVal;
        case VT_INT:
            return child.intVal;
        case VT_I2:
            return child.iVal;
        default:
            return std::nullopt;
    }
}

LONG systemRole(AccessibleRole role) {
    return role == AccessibleRole::ProgressBar ? ROLE_SYSTEM_PROGRESSBAR : ROLE_SYSTEM_STATICTEXT;
}

// The system's object for a window's client area, with the source's name,
// item names, role and value in place of its own. Everything else, and
// everything once the source has gone, is the system's object's answer.
class Wrapper final : public IAccessible {
public:
    Wrapper(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
    Wrapper(const Wrapper&) = delete;
    Wrapper& operator=(const Wrapper&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) return E_POINTER;
        *object = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, accessibleIid)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The system object's list of children and its window stand for ours.
        // Nothing else is passed on: its marshalling interfaces would marshal
        // the system's object in place of this one.
        if (IsEqualIID(iid, IID_IEnumVARIANT) || IsEqualIID(iid, IID_IOleWindow)) {
            return standard_->QueryInterface(iid, object);
        }
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    // By the interface's type information, on this object: a script asking
    // for the name hears the same as a screen reader.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* wrongArgument) override {
        ITypeInfo* info = nullptr;
        const HRESULT found = standard_->GetTypeInfo(0, locale, &info);
        if (FAILED(found) || info == nullptr) return FAILED(found) ? found : E_NOTIMPL;
        const HRESULT invoked =
            info->Invoke(static_cast<IAccessible*>(this), member, flags, parameters, result, exception, wrongArgument);
        info->Release();
        return invoked;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (name == nullptr) return E_POINTER;
        try {
            const AccessibleSource* source = sourceOf(window_);
            const std::optional<LONG> id = childOf(child);
            if (source != nullptr && id) {
                const std::string own = *id == CHILDID_SELF ? source->accessibleName()
                                        : *id > 0 ? source->accessibleItemName(static_cast<std::size_t>(*id - 1))
                                                  : std::string();
                if (!own.empty()) return giveText(own, name);
            }
        } catch (...) {
            return E_FAIL;  // nothing may cross back into the system
        }
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (value == nullptr) return E_POINTER;
        try {
            const AccessibleSource* source = sourceOf(window_);
            if (source != nullptr && childOf(child) == CHILDID_SELF) {
                if (const auto own = source->accessibleValue()) return giveText(*own, value);
            }
        } catch (...) {
            return E_FAIL;
        }
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (role == nullptr) return E_POINTER;
        const AccessibleSource* source = sourceOf(window_);
        if (source != nullptr && childOf(child) == CHILDID_SELF && source->accessibleRole() != AccessibleRole::System) {
            *role = VARIANT{};
            role->vt = VT_I4;
            role->lVal = systemRole(source->accessibleRole());
            return S_OK;
        }
        return standard_->get_accRole(child, role);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return standard_->get_accHelp(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return standard_->get_accKeyboardShortcut(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
        return standard_->get_accDefaultAction(child, text);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override { return standard_->accSelect(how, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~Wrapper() { standard_->Release(); }

    const HWND window_;
    IAccessible* const standard_;  // a reference of our own
    LONG references_ = 1;
};

}  // namespace

void setAccessibleSource(HWND window, AccessibleSource* source) {
    if (source != nullptr) {
        sources()[window] = source;
    } else {
        sources().erase(window);
    }
}

LRESULT answerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam) {
    // The object id is a 32-bit number, sent as a DWORD: OBJID_CLIENT arrives as 0xFFFFFFFC.
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT) return 0;
    try {
        const AccessibleSource* source = sourceOf(window);
        if (source == nullptr || !source->addsToSystem() || !comReady()) return 0;
        IAccessible* standard = nullptr;
        const HRESULT made = oleacc().function<decltype(CreateStdAccessibleObject)>("CreateStdAccessibleObject")(
            window, OBJID_CLIENT, accessibleIid, reinterpret_cast<void**>(&standard));
        if (FAILED(made) || standard == nullptr) return 0;
        auto* wrapper = new (std::nothrow) Wrapper(window, standard);
        if (wrapper == nullptr) {
            standard->Release();
            return 0;
        }
        const LRESULT result =
            oleacc().function<decltype(LresultFromObject)>("LresultFromObject")(accessibleIid, wParam, wrapper);
        wrapper->Release();              // the marshalled object holds its own reference
        return result > 0 ? result : 0;  // a failure leaves the question to the system's object
    } catch (...) {
        return 0;  // nothing may cross back into the system
    }
}

void announceChange(HWND window, DWORD event, LONG child) { NotifyWinEvent(event, window, OBJID_CLIENT, child); }

}  // namespace zelvio
