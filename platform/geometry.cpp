#include "platform/geometry.h"

#include <cstdint>

namespace zelvio {

namespace {

// value * numerator / denominator, rounded half away from zero.
int scaledBy(int value, int numerator, int denominator) {
    if (denominator <= 0) return value;
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

int toScreen(int designPixels, int dpi) { return scaledBy(designPixels, dpi, designDpi); }

int toDesign(int screenPixels, int dpi) { return scaledBy(screenPixels, designDpi, dpi); }

Size toScreen(Size design, int dpi) { return {toScreen(design.width, dpi), toScreen(design.height, dpi)}; }

Size toDesign(Size screen, int dpi) { return {toDesign(screen.width, dpi), toDesign(screen.height, dpi)}; }

Rect toScreen(Rect design, int dpi) {
    const int left = toScreen(design.left, dpi);
    const int top = toScreen(design.top, dpi);
    return {left, top, toScreen(design.left + design.width, dpi) - left,
            toScreen(design.top + design.height, dpi) - top};
}

}  // namespace zelvio
