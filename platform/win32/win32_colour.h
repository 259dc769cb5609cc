#pragma once
// The program's colours as the system takes them.

#include "platform/geometry.h"

#include <windows.h>

#include <optional>

namespace zelvio {

inline COLORREF rgb(Colour colour) { return RGB(colour.red, colour.green, colour.blue); }

// A solid brush of a design's own colour, when it gives one; null otherwise.
class OwnBrush {
public:
    explicit OwnBrush(const std::optional<Colour>& colour)
        : brush_(colour ? CreateSolidBrush(rgb(*colour)) : nullptr) {}
    ~OwnBrush() {
        if (brush_ != nullptr) DeleteObject(brush_);
    }
    OwnBrush(const OwnBrush&) = delete;
    OwnBrush& operator=(const OwnBrush&) = delete;

    HBRUSH get() const { return brush_; }

private:
    HBRUSH brush_;
};

}  // namespace zelvio
