#pragma once
// MCI through its command strings, with a hidden message window that takes
// the devices' notifications (MM_MCINOTIFY) from the message loop and hands
// each to the device that asked for it.

#include "platform/media.h"
#include "platform/win32/win32_driver_threads.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

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
    // Stops the device and waits until its driver's threads have let go of it.
    void settle(const std::wstring& alias);

    HWND window_ = nullptr;
    std::map<UINT, MediaListener*> listeners_;  // by MCI device id
    // Driver threads started by each device's plays and records, by alias.
    std::map<std::wstring, std::vector<HANDLE>> workers_;
    const bool waitsForDriverThreads_ = driverThreadsOutliveStop();
};

}  // namespace zelvio
