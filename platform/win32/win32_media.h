#pragma once
// MCI through its command strings, with a hidden message window that takes
// the devices' notifications (MM_MCINOTIFY) from the message loop and hands
// each to the device that asked for it.

#include "platform/media.h"

#include <windows.h>

#include <map>

namespace zelvio {

class Win32Media : public MediaControl {
public:
    Win32Media();
    ~Win32Media() override;
    Win32Media(const Win32Media&) = delete;
    Win32Media& operator=(const Win32Media&) = delete;

    std::string send(const std::string& command, MediaListener* listener) override;
    void forget(MediaListener* listener) override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void notified(WPARAM flags, UINT device);

    HWND window_ = nullptr;
    std::map<UINT, MediaListener*> listeners_;  // by MCI device id
};

}  // namespace zelvio
