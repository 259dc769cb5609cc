#include "platform/win32/win32_static.h"

#include "platform/form.h"
#include "platform/win32/win32_colour.h"
#include "platform/win32/win32_contrast.h"
#include "platform/win32/win32_form_window.h"

#include <algorithm>

namespace zelvio {

namespace {

bool contains(const Rect& outer, const Rect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

// The shape a shape lies on: the last filled rectangle before it in the
// layout that holds it whole; none when it lies on the form.
const ControlDesign* shapeBelow(const Control& shape) {
    const ControlDesign* ground = nullptr;
    for (const auto& other : shape.form().controls()) {
        if (other.get() == &shape) break;
        const ControlDesign& below = other->design();
        if (below.kind == ControlKind::Shape && below.shape == ShapeKind::Rectangle &&
            below.parent == shape.design().parent && contains(below.bounds, shape.design().bounds)) {
            ground = &below;
        }
    }
    return ground;
}

}  // namespace

Win32Static::Win32Static(Win32Form& owner, Control& control, int id)
    : Win32Control(owner, control, id), backBrush_(design().backColour) {
    if (design().backColour) shapeLook_.fill = rgb(*design().backColour);
    if (design().penColour) shapeLook_.pen = rgb(*design().penColour);
    shapeLook_.kind = design().shape;
    if (design().kind != ControlKind::Shape) return;
    if (const ControlDesign* below = shapeBelow(control)) {
        shapeLook_.onShape = true;
        if (below->backColour) shapeLook_.ground = rgb(*below->backColour);
    }
}

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

void Win32Static::applyText() {
    Win32Control::applyText();
    if (design().kind == ControlKind::Label) applyBounds();  // a label that fits its text follows it
    if (design().kind == ControlKind::Shape) announceChange(window(), EVENT_OBJECT_NAMECHANGE);
}

bool Win32Static::addsToSystem() const { return accessibleRole() != AccessibleRole::System; }

std::string Win32Static::accessibleName() const {
    if (design().kind == ControlKind::Shape && live()) return control().text();
    return Win32Control::accessibleName();
}

AccessibleRole Win32Static::accessibleRole() const {
    const bool speaks = design().kind == ControlKind::Shape && live() && !control().text().empty();
    return speaks ? AccessibleRole::StaticText : AccessibleRole::System;
}

// A label given a width keeps it: its text takes a size that fits.
int Win32Static::textRoom() const {
    if (design().kind != ControlKind::Label || control().bounds().width <= 0) return 0;
    return std::max(control().bounds().width - (design().has(flags::Centred) ? 4 : 1), 1);
}

Rect Win32Static::placed(Rect bounds) const {
    if (design().kind == ControlKind::Label && (bounds.width == 0 || bounds.height == 0)) {
        // A label without a width or a height takes its text's.
        // It stops where a control beside it begins: a text that comes out
        // wider than designed (another face, another DPI) is not to cover it.
        const Size text = measuredText();
        if (bounds.height == 0) bounds.height = text.height;
        if (bounds.width == 0) bounds.width = std::min(text.width, owner().edgeRightOf(*this, bounds) - bounds.left);
    }
    if (design().kind == ControlKind::Bevel && design().bevel != BevelKind::Frame) {
        // An etched line two pixels high along the top or bottom edge.
        if (design().bevel == BevelKind::BottomLine) bounds.top += std::max(bounds.height - 2, 0);
        bounds.height = 2;
    }
    return bounds;
}

// Labels take the form's face colour unless the design gives their own.
// Under high contrast a label with a background of its own lies on a panel
// in the window's colours, and one that tells a state stands out on it.
HBRUSH Win32Static::paintColours(HDC dc) const {
    if (design().kind != ControlKind::Label) return nullptr;
    const COLORREF text = design().textColour ? rgb(*design().textColour) : GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF back = design().backColour ? rgb(*design().backColour) : GetSysColor(COLOR_BTNFACE);
    const HBRUSH backBrush = backBrush_.get() != nullptr ? backBrush_.get() : GetSysColorBrush(COLOR_BTNFACE);
    const Ground ground = design().backColour ? Ground::Window : Ground::Face;
    SetTextColor(dc, colourOf(design().has(flags::Status) ? Role::Standout : Role::Text, ground, text));
    SetBkColor(dc, colourOf(Role::Back, ground, back));
    return brushOf(Role::Back, ground, backBrush);
}

}  // namespace zelvio
