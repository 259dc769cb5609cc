// Reads a menu inside the program that owns it, through the hook of
// menu_hook.h: the answer comes back in a file mapping of this process.

#include "tests/e2e/menus.h"

#include "tests/e2e/call_limit.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/menu_hook.h"
#include "tests/e2e/system_error.h"
#include "tests/e2e/test_process.h"
#include "tests/e2e/window_actions.h"

#include <atomic>
#include <memory>

namespace zelvio::e2e {

namespace {

// How long the program may take to answer; it answers between two messages.
constexpr UINT kAnswerTimeoutMs = 5000;

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct HookRemover {
    void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
struct ViewUnmapper {
    void operator()(MenuExchange* view) const { UnmapViewOfFile(view); }
};

HMODULE hookModule() {
    static HMODULE module = LoadLibraryA(programBeside(kMenuHookDll).c_str());
    if (!module) throw DriverError(std::string("cannot load ") + kMenuHookDll + ": " + lastErrorText());
    return module;
}

// The named mapping of one request, new and zeroed.
class Exchange {
public:
    explicit Exchange(std::uint32_t request) {
        mapping_.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(MenuExchange),
                                          menuExchangeName(GetCurrentProcessId(), request).c_str()));
        if (!mapping_) throw DriverError("cannot make the menu exchange: " + lastErrorText());
        view_.reset(static_cast<MenuExchange*>(MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0)));
        if (!view_) throw DriverError("cannot map the menu exchange: " + lastErrorText());
    }
    const MenuExchange& contents() const { return *view_; }

private:
    std::unique_ptr<void, HandleCloser> mapping_;
    std::unique_ptr<MenuExchange, ViewUnmapper> view_;
};

std::vector<MenuEntry> readThroughHook(HWND window) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!thread) throw DriverError("cannot read the menu of a window that is gone");
    static std::atomic<std::uint32_t> requests = 0;
    const std::uint32_t request = ++requests;
    Exchange exchange(request);

    HMODULE module = hookModule();
    const auto hookProc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module, kMenuHookProc)));
    if (!hookProc) throw DriverError(std::string(kMenuHookDll) + " has no " + kMenuHookProc);
    const std::unique_ptr<HHOOK__, HookRemover> hook(SetWindowsHookExW(WH_CALLWNDPROC, hookProc, module, thread));
    if (!hook) throw DriverError("cannot hook the thread of " + windowLabel(window) + ": " + lastErrorText());

    static const UINT readMenuMessage = RegisterWindowMessageW(kMenuReadMessage);
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(window, readMenuMessage, GetCurrentProcessId(), request, SMTO_NORMAL, kAnswerTimeoutMs,
                             &ignored))
        throw DriverError("the program did not answer for the menu of " + windowLabel(window) + " within " +
                          std::to_string(kAnswerTimeoutMs / 1000) + " s: " + lastErrorText());
    const MenuExchange& answer = exchange.contents();
    if (!answer.answered) throw DriverError("the menu hook did not run in the program of " + windowLabel(window));
    if (answer.result == MenuReadNoMenu) return {};
    if (answer.result != MenuReadOk)
        throw DriverError("the menu hook failed on " + windowLabel(window) + " (result " +
                          std::to_string(answer.result) + ")");
    return parseMenuListing(std::string(answer.text, answer.length));
}

}  // namespace

std::vector<MenuEntry> readMenu(HWND window) {
    return withinLimit("readMenu", nameOf(window), [window] { return readThroughHook(window); });
}

}  // namespace zelvio::e2e
