#pragma once
// Positions, sizes and colours of windows and controls, in pixels.

#include <cstdint>

namespace zelvio {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Colour&) const = default;
};

namespace colours {
inline constexpr Colour Black{0, 0, 0};
inline constexpr Colour White{255, 255, 255};
inline constexpr Colour Grey{128, 128, 128};
inline constexpr Colour Silver{192, 192, 192};
inline constexpr Colour Red{255, 0, 0};
inline constexpr Colour Lime{0, 255, 0};
inline constexpr Colour Green{0, 128, 0};
inline constexpr Colour Yellow{255, 255, 0};
inline constexpr Colour Blue{0, 0, 255};
inline constexpr Colour Navy{0, 0, 128};
inline constexpr Colour Aqua{0, 255, 255};
inline constexpr Colour Fuchsia{255, 0, 255};
}  // namespace colours

// Layouts, fonts and fixed sizes are given in design pixels, those of a
// 96-DPI screen; a screen of another DPI shows each one scaled, rounded to the
// nearest pixel as MulDiv rounds.
inline constexpr int designDpi = 96;

int toScreen(int designPixels, int dpi);
int toDesign(int screenPixels, int dpi);
Size toScreen(Size design, int dpi);
Size toDesign(Size screen, int dpi);
// Both corners scaled, so that neighbouring rectangles stay neighbours.
Rect toScreen(Rect design, int dpi);

}  // namespace zelvio
