#pragma once
// Every driver call has a time limit. It runs on a thread of its own while the
// test's thread waits for it at most kCallLimit (a wait with a longer timeout
// of its own gets that timeout on top). A call that does not come back fails
// its test with a DriverTimeout naming the call and what it acted on, and the
// test goes on to its end, which ends the program under test; the call's
// thread is left behind, holding copies of what it was given.
//
// Calls made inside a driver call run on that call's thread, under its limit.
// Only Windows' own threads and events are used here: MinGW's std::future
// (through std::call_once) was seen to hang and to fail between threads.

#include "tests/e2e/polling.h"

#include <windows.h>
#include <process.h>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

namespace zelvio::e2e {

inline constexpr Milliseconds kCallLimit{15000};

// A driver call that did not come back in time. No DriverError, so that a test
// expecting the driver to refuse something cannot take it for the refusal.
class DriverTimeout : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace detail {

// Marks the threads that run driver calls.
inline const DWORD driverCallSlot = TlsAlloc();

template <class Result>
struct CallOutcome {
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::optional<std::conditional_t<std::is_void_v<Result>, bool, Result>> value;
    std::exception_ptr error;
    ~CallOutcome() { CloseHandle(done); }
};

template <class Action>
struct CallTask {
    Action action;
    std::shared_ptr<CallOutcome<std::invoke_result_t<Action&>>> outcome;
};

template <class Action>
unsigned __stdcall runCall(void* data) {
    std::unique_ptr<CallTask<Action>> task(static_cast<CallTask<Action>*>(data));
    TlsSetValue(driverCallSlot, task.get());
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Action&>>) {
            task->action();
            task->outcome->value = true;
        } else {
            task->outcome->value.emplace(task->action());
        }
    } catch (...) {
        task->outcome->error = std::current_exception();
    }
    SetEvent(task->outcome->done);
    return 0;
}

}  // namespace detail

// Runs `action` within `limit`; `subject` names what it acts on, asked only
// when the call fails to come back.
template <class Action>
std::invoke_result_t<Action&> withinLimit(const std::string& call, const std::function<std::string()>& subject,
                                          Action action, Milliseconds limit = kCallLimit) {
    using Result = std::invoke_result_t<Action&>;
    if (TlsGetValue(detail::driverCallSlot) != nullptr) return action();
    auto outcome = std::make_shared<detail::CallOutcome<Result>>();
    if (!outcome->done) throw std::runtime_error("cannot make an event for the driver call " + call);
    auto* task = new detail::CallTask<Action>{std::move(action), outcome};
    const auto thread = _beginthreadex(nullptr, 0, &detail::runCall<Action>, task, 0, nullptr);
    if (thread == 0) {
        delete task;
        throw std::runtime_error("cannot start a thread for the driver call " + call);
    }
    CloseHandle(reinterpret_cast<HANDLE>(thread));
    if (WaitForSingleObject(outcome->done, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
        throw DriverTimeout("the driver call " + call + " on " + subject() + " did not finish within " +
                            std::to_string(limit.count() / 1000) + " s");
    }
    if (outcome->error) std::rethrow_exception(outcome->error);
    if constexpr (!std::is_void_v<Result>) return std::move(*outcome->value);
}

}  // namespace zelvio::e2e
