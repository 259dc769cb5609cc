#include "platform/win32/win32_static.h"

#include "platform/win32/win32_colour.h"
#include "platform/win32/win32_unicode.h"

#include <algorithm>

namespace zelvio {

Win32Static::Win32Static(Win32Form& owner, Control& control, int id)
    : Win32Control(owner, control, id), backBrush_(design().backColour) {
    if (design().backColour) shapeLook_.fill = rgb(*design().backColour);
    if (design().penColour) shapeLook_.pen = rgb(*design().penColour);
    shapeLook_.kind = design().shape;
}

namespace {

// How the static control lays out its text for each style we give it.
UINT textFormat(const ControlDesign& design) {
    return design.has(flags::Centred) ? DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK | DT_SINGLELINE | DT_VCENTER
                                      : DT_LEFT | DT_EXPANDTABS;
}

}  // namespace

Win32Control::WindowKind Win32Static::windowKind() const {
    switch (design().kind) {
        case ControlKind::GroupBox:
            return {L"BUTTON", BS_GROUPBOX};
        case ControlKind::Bevel:
            return {L"STATIC", static_cast<DWORD>(design().bevel == BevelKind::Frame ? SS_ETCHEDFRAME : SS_ETCHEDHORZ)};
        case ControlKind::Shape:
            return {shapeWindowClass(), 0};
        default:
            break;
    }
    DWORD style = design().has(flags::Centred) ? SS_CENTER | SS_CENTERIMAGE : SS_LEFTNOWORDWRAP;
    if (!design().hint.empty()) style |= SS_NOTIFY;  // takes the mouse, so its tooltip shows
    return {L"STATIC", style};
}

bool Win32Static::hasStandIn() const {
    return design().kind == ControlKind::Label || design().kind == ControlKind::Bevel;
}

void Win32Static::paintStandIn(HDC dc) const {
    const Rect place = screenBounds();
    RECT area{place.left, place.top, place.left + place.width, place.top + place.height};
    if (design().kind == ControlKind::Bevel) {
        DrawEdge(dc, &area, EDGE_ETCHED, design().bevel == BevelKind::Frame ? BF_RECT : BF_TOP | BF_BOTTOM);
        return;
    }
    const int saved = SaveDC(dc);
    FillRect(dc, &area, paintColours(dc));
    if (!enabledWithGroups()) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    SelectObject(dc, font());
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    DrawTextW(dc, wide(control().text()).c_str(), -1, &area, textFormat(design()));
    RestoreDC(dc, saved);
}

void Win32Static::applyText() {
    Win32Control::applyText();
    if (design().kind == ControlKind::Label) applyBounds();  // a label that fits its text follows it
}

// A label given a width keeps it: its text takes a size that fits.
int Win32Static::textRoom() const {
    if (design().kind != ControlKind::Label || control().bounds().width <= 0) return 0;
    return std::max(control().bounds().width - (design().has(flags::Centred) ? 4 : 1), 1);
}

Rect Win32Static::placed(Rect bounds) const {
    if (design().kind == ControlKind::Label && (bounds.width == 0 || bounds.height == 0)) {
        // A label without a width or a height takes its text's.
        const Size text = measuredText();
        if (bounds.width == 0) bounds.width = text.width;
        if (bounds.height == 0) bounds.height = text.height;
    }
    if (design().kind == ControlKind::Bevel && design().bevel != BevelKind::Frame) {
        // An etched line two pixels high along the top or bottom edge.
        if (design().bevel == BevelKind::BottomLine) bounds.top += std::max(bounds.height - 2, 0);
        bounds.height = 2;
    }
    return bounds;
}

void Win32Static::moved(const Rect& bounds) {
    if (design().kind == ControlKind::Shape) fitShapeRegion(window(), shapeLook_, bounds.width, bounds.height);
}

// Labels take the form's face colour unless the design gives their own.
HBRUSH Win32Static::paintColours(HDC dc) const {
    if (design().kind != ControlKind::Label) return nullptr;
    SetTextColor(dc, design().textColour ? rgb(*design().textColour) : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, design().backColour ? rgb(*design().backColour) : GetSysColor(COLOR_BTNFACE));
    return backBrush_.get() != nullptr ? backBrush_.get() : GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace zelvio
