#pragma once
// The headless backend's time: it stands still while the program works and
// moves on only when the program waits, straight to the next thing due.

#include <chrono>

namespace zelvio {

struct HeadlessClock {
    std::chrono::milliseconds now{0};
};

}  // namespace zelvio
