#pragma once
// The product backend: real windows, files and processes through the Win32
// API. This header shows no Windows types, so portable code can start it.

#include "platform/platform.h"

#include <memory>

namespace zelvio {

class Win32Platform {
public:
    Win32Platform();
    ~Win32Platform();
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Platform platform();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace zelvio
