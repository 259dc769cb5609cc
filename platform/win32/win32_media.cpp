#include "platform/win32/win32_media.h"

#include "common/errors.h"
#include "platform/win32/win32_driver_threads.h"
#include "platform/win32/win32_late_library.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_unicode.h"

#include <mmsystem.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace zelvio {

namespace {

constexpr const wchar_t* windowClass = L"ZelvioMediaNotifications";

LateLibrary mediaLibrary(L"winmm.dll");

MCIERROR sendString(const wchar_t* command, wchar_t* reply, UINT replySize, HWND notify) {
    return mediaLibrary.function<decltype(mciSendStringW)>("mciSendStringW")(command, reply, replySize, notify);
}

// The system's text for an MCI error.
std::string errorText(MCIERROR error) {
    wchar_t text[512] = {};
    auto* getErrorString = mediaLibrary.function<decltype(mciGetErrorStringW)>("mciGetErrorStringW");
    if (!getErrorString(error, text, static_cast<UINT>(std::size(text))) || text[0] == L'\0') {
        return "Unknown error code";
    }
    return utf8(text);
}

// The device a command names: its second word, the alias.
std::wstring aliasOf(const std::string& command) {
    const std::size_t start = command.find(' ');
    if (start == std::string::npos) return {};
    const std::size_t end = command.find(' ', start + 1);
    return wide(command.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1));
}

// How long a closing device waits for its driver's threads: they end within
// milliseconds once stopped, so this only bounds a driver that never does.
constexpr DWORD driverThreadLimit = 5000;

// A command's first word.
std::string verbOf(const std::string& command) { return command.substr(0, command.find(' ')); }

NotifyKind kindOf(WPARAM flags) {
    switch (flags) {
        case MCI_NOTIFY_SUPERSEDED:
            return NotifyKind::Superseded;
        case MCI_NOTIFY_ABORTED:
            return NotifyKind::Aborted;
        case MCI_NOTIFY_FAILURE:
            return NotifyKind::Failure;
        default:
            return NotifyKind::Successful;
    }
}

}  // namespace

Win32Media::Win32Media() {
    WNDCLASSEXW windowClassInfo{};
    windowClassInfo.cbSize = sizeof windowClassInfo;
    windowClassInfo.lpfnWndProc = windowProc;
    windowClassInfo.hInstance = GetModuleHandleW(nullptr);
    windowClassInfo.lpszClassName = windowClass;
    RegisterClassExW(&windowClassInfo);
    // A message-only window: never shown, it only receives.
    window_ = CreateWindowExW(0, windowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                              this);
    if (window_ == nullptr) {
        throw std::runtime_error("cannot create the media notification window: " + systemErrorText(GetLastError()));
    }
}

Win32Media::~Win32Media() {
    listeners_.clear();
    for (auto& [alias, threads] : workers_) settle(alias);
    // No device was ever opened when the library was never loaded.
    if (mediaLibrary.loaded()) sendString(L"close all wait", nullptr, 0, nullptr);
    if (window_ != nullptr) DestroyWindow(window_);
}

void Win32Media::settle(const std::wstring& alias) {
    std::vector<HANDLE>& threads = workers_[alias];
    if (threads.empty()) return;
    sendString((L"stop " + alias + L" wait").c_str(), nullptr, 0, nullptr);
    waitForThreadsAndClose(threads, driverThreadLimit);
}

std::string Win32Media::send(const std::string& command, MediaListener* listener) {
    const std::string verb = verbOf(command);
    const std::wstring alias = aliasOf(command);
    if (verb == "close" || verb == "save") settle(alias);
    const bool starts = waitsForDriverThreads_ && (verb == "play" || verb == "record");
    const std::vector<DWORD> before = starts ? driverThreadIds() : std::vector<DWORD>{};
    wchar_t reply[512] = {};
    const MCIERROR error = sendString(wide(command).c_str(), reply, static_cast<UINT>(std::size(reply)),
                                      listener != nullptr ? window_ : nullptr);
    if (error != 0) throw MediaError(errorText(error));
    if (starts) {
        std::vector<HANDLE>& threads = workers_[alias];
        for (HANDLE thread : openNewThreads(before, driverThreadIds())) threads.push_back(thread);
    }
    if (listener != nullptr) {
        const UINT device = mediaLibrary.function<decltype(mciGetDeviceIDW)>("mciGetDeviceIDW")(alias.c_str());
        if (device != 0) listeners_[device] = listener;
    }
    return utf8(reply);
}

void Win32Media::forget(MediaListener* listener) {
    std::vector<UINT> devices;
    for (auto entry = listeners_.begin(); entry != listeners_.end();) {
        if (entry->second == listener) {
            devices.push_back(entry->first);
            entry = listeners_.erase(entry);
        } else {
            ++entry;
        }
    }
    // Notifications already queued for the closed device go unheard; a
    // device opened later may get the same id.
    std::vector<MSG> others;
    MSG message;
    while (PeekMessageW(&message, window_, MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE)) {
        const auto device = static_cast<UINT>(message.lParam);
        if (std::find(devices.begin(), devices.end(), device) == devices.end()) others.push_back(message);
    }
    for (const MSG& kept : others) PostMessageW(window_, kept.message, kept.wParam, kept.lParam);
}

void Win32Media::notified(WPARAM flags, UINT device) {
    const auto found = listeners_.find(device);
    if (found == listeners_.end()) return;
    MediaListener* listener = found->second;
    // One notification per command: the device asks again for the next.
    listeners_.erase(found);
    listener->notified(kindOf(flags));
}

LRESULT CALLBACK Win32Media::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Media*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && message == MM_MCINOTIFY) {
        try {
            self->notified(wParam, static_cast<UINT>(lParam));
        } catch (...) {
            // Nothing may cross back into the system; the listener reports its own errors.
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zelvio
