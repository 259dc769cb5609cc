#pragma once
// Waiting for another process: everything the driver waits for is polled
// against a deadline, so a stuck program fails a test instead of hanging it.

#include <chrono>
#include <thread>

namespace zelvio::e2e {

using Milliseconds = std::chrono::milliseconds;

// Wine needs a few seconds for the first windows of a fresh prefix.
inline constexpr Milliseconds kStartTimeout{15000};
inline constexpr Milliseconds kDefaultTimeout{5000};
inline constexpr Milliseconds kPollInterval{25};
// How long a check that something does not happen watches for it.
inline constexpr Milliseconds kQuietWatch{1500};

// Calls `condition` until it returns true or `timeout` has passed; true when
// it succeeded. It is always tried at least once.
template <class Condition>
bool pollUntil(Condition condition, Milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPollInterval);
    }
}

}  // namespace zelvio::e2e
