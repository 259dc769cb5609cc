#include "platform/win32/win32_fonts.h"

#include "platform/win32/win32_unicode.h"

#include <cctype>

namespace zelvio {

namespace {

bool sameFace(const std::string& face, const char* known) {
    std::size_t i = 0;
    for (; i < face.size() && known[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(face[i])) != std::tolower(static_cast<unsigned char>(known[i]))) {
            return false;
        }
    }
    return i == face.size() && known[i] == '\0';
}

// What kind of face it is, so that a system without it picks a similar one.
BYTE pitchAndFamily(const std::string& face) {
    for (const char* serif : {"Times New Roman", "Times", "Tms Rmn"}) {
        if (sameFace(face, serif)) return VARIABLE_PITCH | FF_ROMAN;
    }
    for (const char* fixed : {"Courier New", "Courier", "Fixedsys"}) {
        if (sameFace(face, fixed)) return FIXED_PITCH | FF_MODERN;
    }
    return DEFAULT_PITCH | FF_DONTCARE;
}

}  // namespace

FontCache::~FontCache() {
    for (const auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT FontCache::get(const FontKey& key) {
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    // A negative height asks for the character height, which is what a font
    // "12 pixels high" means in the window designs.
    HFONT font = CreateFontW(-key.height, 0, 0, 0, key.bold ? FW_BOLD : FW_NORMAL, FALSE, key.underline, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             pitchAndFamily(key.face), wide(key.face).c_str());
    if (font == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fonts_.emplace(key, font);
    return font;
}

HDC measuringContext() {
    static const HDC measuring = CreateCompatibleDC(nullptr);
    return measuring;
}

int lineHeight(HFONT font) {
    HDC dc = measuringContext();
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    return metrics.tmHeight;
}

}  // namespace zelvio
