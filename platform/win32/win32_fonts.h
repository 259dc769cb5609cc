#pragma once
// The fonts the windows use, made once each and kept until the toolkit ends.

#include <windows.h>

#include <compare>
#include <map>
#include <string>

namespace zelvio {

struct FontKey {
    std::string face;
    int height = 0;  // screen pixels of character height (the em) at the window's DPI, not cell height
    bool bold = false;
    bool underline = false;
    auto operator<=>(const FontKey&) const = default;
};

class FontCache {
public:
    FontCache() = default;
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The font; the system's dialog font when the face cannot be had.
    HFONT get(const FontKey& key);

private:
    std::map<FontKey, HFONT> fonts_;
};

// A memory context of the screen's for measuring text: asking a window for
// its own costs a round trip to the window system, under Wine for every control.
HDC measuringContext();
// The height of a line of text in the font (the font's cell height).
int lineHeight(HFONT font);

// The face of fixed-pitch text.
inline constexpr const char* fixedPitchFace = "Courier New";

}  // namespace zelvio
