#pragma once
// A text the system writes into a buffer the caller sizes, of no fixed
// length now that long paths are allowed.

#include <windows.h>

#include <optional>
#include <string>

namespace zelvio {

// Calls `write(buffer, size)` until the text fits. The call answers the
// length it wrote, the length it needs (terminating NUL included) when the
// buffer is too small, or 0 when it fails: then none, with the system's last
// error left as the call set it.
template <class Write>
std::optional<std::wstring> askedText(Write write) {
    std::wstring text;
    for (;;) {
        const DWORD length = write(text.data(), static_cast<DWORD>(text.size()));
        if (length == 0) return std::nullopt;
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(length);
    }
}

}  // namespace zelvio
