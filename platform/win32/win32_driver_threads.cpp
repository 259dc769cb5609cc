#include "platform/win32/win32_driver_threads.h"

#include "platform/win32/win32_module_path.h"
#include "platform/win32/win32_wine.h"

#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cwctype>
#include <string>

namespace zelvio {

namespace {

// ThreadQuerySetWin32StartAddress: where the thread's code began.
constexpr THREADINFOCLASS startAddressClass = static_cast<THREADINFOCLASS>(9);

using QueryThread = NTSTATUS(WINAPI*)(HANDLE, THREADINFOCLASS, PVOID, ULONG, PULONG);

QueryThread queryThread() {
    static const auto query = reinterpret_cast<QueryThread>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationThread")));
    return query;
}

// MCI drivers are the modules named mci*.dll (mciwave, mcicda, mciseq, ...).
bool startsInDriver(DWORD threadId) {
    const QueryThread query = queryThread();
    if (query == nullptr) return false;
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, threadId);
    if (thread == nullptr) return false;
    void* start = nullptr;
    const NTSTATUS status = query(thread, startAddressClass, &start, sizeof start, nullptr);
    CloseHandle(thread);
    HMODULE module = nullptr;
    if (status != 0 || start == nullptr ||
        !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(start), &module)) {
        return false;
    }
    std::wstring name = modulePath(module);
    if (name.empty()) return false;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return std::towlower(c); });
    return name.starts_with(L"mci");
}

}  // namespace

bool driverThreadsOutliveStop() { return runsUnderWine(); }

std::vector<DWORD> driverThreadIds() {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    const DWORD self = GetCurrentProcessId();
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == self && startsInDriver(entry.th32ThreadID)) ids.push_back(entry.th32ThreadID);
    }
    CloseHandle(snapshot);
    return ids;
}

std::vector<HANDLE> openNewThreads(const std::vector<DWORD>& before, const std::vector<DWORD>& after) {
    std::vector<HANDLE> threads;
    for (DWORD id : after) {
        if (std::find(before.begin(), before.end(), id) != before.end()) continue;
        if (HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, id)) threads.push_back(thread);
    }
    return threads;
}

void waitForThreadsAndClose(std::vector<HANDLE>& threads, DWORD limit) {
    if (threads.empty()) return;
    WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, limit);
    for (HANDLE thread : threads) CloseHandle(thread);
    threads.clear();
}

}  // namespace zelvio
