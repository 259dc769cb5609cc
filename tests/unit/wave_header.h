#pragma once
// A wave file's header that says it lasts `length`: 8,000 bytes a second,
// and no samples behind it; the simulated devices go by the header alone.

#include "common/waveheader.h"

#include <chrono>
#include <string>

namespace zelvio {

inline std::string waveLasting(std::chrono::milliseconds length) {
    return waveHeader(1, 8000, 8, static_cast<std::uint32_t>(length.count() * 8));
}

}  // namespace zelvio
