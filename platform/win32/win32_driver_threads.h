#pragma once
// The threads an MCI driver starts for an asynchronous play or record.
//
// Wine's wave driver lets "stop" return while its record thread is still
// closing the sound device and freeing the device's state, and its play
// thread posts the notification before it has left the driver. Closing or
// saving the device at that moment frees what the thread still uses. Under
// Wine the media backend therefore notes the driver threads each play or
// record starts, and waits for them to end before it saves or closes that
// device.

#include <windows.h>

#include <vector>

namespace zelvio {

// Whether this runs under Wine, whose wave driver needs the waiting.
bool driverThreadsOutliveStop();

// Ids of this process's threads that started in an MCI driver's code.
std::vector<DWORD> driverThreadIds();

// The threads in `after` that were not in `before`, opened for waiting.
std::vector<HANDLE> openNewThreads(const std::vector<DWORD>& before, const std::vector<DWORD>& after);

// Waits up to `limit` ms for every thread to end, then closes the handles.
void waitForThreadsAndClose(std::vector<HANDLE>& threads, DWORD limit);

}  // namespace zelvio
