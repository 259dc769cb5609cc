#pragma once
// The tables a window is built from: one FormDesign for the window and one
// ControlDesign per control, menu and menu item, in creation (and tab) order.

#include "platform/geometry.h"

#include <optional>
#include <utility>
#include <string>

namespace zelvio {

enum class ControlKind {
    Button,       // push button
    GlyphButton,  // push button showing a picture, beside its caption when it has one
    Label,
    Edit,           // single-line text
    Memo,           // multi-line text
    GroupBox,       // titled frame; controls name it as their parent
    Bevel,          // a line or a sunken frame
    Shape,          // filled rectangle or ellipse
    Picture,        // the program's emblem: a disc with a note on it
    CheckBox,       // a caption with a tick box; flags::Checked ticks it at start
    Gauge,          // a progress bar with its percentage
    ListBox,        // a list of texts with a selection
    FileList,       // the files of a directory that match a mask
    DirectoryList,  // the directory tree down to the current directory, and its subdirectories
    DriveBox,       // drop-down list of the drives
    FilterBox,      // drop-down list of file masks
    StatusBar,      // along the bottom edge; its bounds follow the form
    Menu,           // a drop-down menu of the main menu bar
    PopupMenu,      // a menu shown at the mouse by a right click in the control that names it
    MenuItem,       // an item of the Menu or PopupMenu named as its parent; caption "-" is a separator
};

enum class ShapeKind { Rectangle, Ellipse };
// The picture of a glyph button.
enum class Glyph { Folder, Record, Stop, Play, Encode };
enum class BevelKind { Frame, TopLine, BottomLine };
enum class ShortcutKey { None, F1, F2 };

namespace flags {
inline constexpr unsigned Hidden = 1u << 0;
inline constexpr unsigned Disabled = 1u << 1;
inline constexpr unsigned ReadOnly = 1u << 2;
inline constexpr unsigned Bold = 1u << 3;
inline constexpr unsigned Underline = 1u << 4;
inline constexpr unsigned FixedPitch = 1u << 5;
inline constexpr unsigned Centred = 1u << 6;  // text centred in the bounds, both ways
inline constexpr unsigned VScroll = 1u << 7;
inline constexpr unsigned HScroll = 1u << 8;
inline constexpr unsigned Checked = 1u << 9;
inline constexpr unsigned MultiSelect = 1u << 10;
inline constexpr unsigned Columns = 1u << 11;  // a list whose items the program lays out in columns
// Kept by the program for its own use and never shown: no window of its own.
inline constexpr unsigned NoWindow = 1u << 12;
// A label that tells a state ("Playing", "PLEASE WAIT"): in a high-contrast
// scheme it takes the system's colour for text that stands out.
inline constexpr unsigned Status = 1u << 13;
}  // namespace flags

struct ControlDesign {
    std::string name;
    ControlKind kind = ControlKind::Label;
    Rect bounds;  // relative to the parent's client area; a label with no size fits its text
    std::string caption;
    std::string hint;
    // What a screen reader calls a control that has neither a caption nor a
    // label just before it in the layout (a list, a drop-down box); a picture
    // button without a caption is called by its hint.
    std::string accessibleName;
    unsigned flags = 0;
    std::string parent;  // a GroupBox, or the Menu or PopupMenu of a MenuItem; empty for the form
    std::string popup;   // the PopupMenu a right click shows
    // A file list's mask ("*.wav;*.cda;"); a filter box's choices, description
    // and mask in turn ("Wave files|*.wav|All files|*.*").
    std::string filter;
    std::optional<Colour> textColour;
    std::optional<Colour> backColour;  // a shape's fill
    std::optional<Colour> penColour;   // a shape's outline
    int fontHeight = 0;                // pixels; 0 takes the form's
    std::string fontFace;              // empty takes the form's
    ShapeKind shape = ShapeKind::Rectangle;
    BevelKind bevel = BevelKind::Frame;
    ShortcutKey shortcut = ShortcutKey::None;
    Glyph glyph = Glyph::Folder;

    bool has(unsigned flag) const { return (flags & flag) != 0; }
    // Whether it is a window of its own on the form: menus and their items
    // are the menu bar's or shown when asked for.
    bool ownsWindow() const {
        return kind != ControlKind::Menu && kind != ControlKind::PopupMenu && kind != ControlKind::MenuItem &&
               !has(flags::NoWindow);
    }
};

enum class BorderStyle {
    Sizeable,  // resizable frame with the title-bar buttons
    Dialog,    // fixed dialog frame
};

enum class TitleButtons {
    All,        // system menu, minimise, maximise, close
    CloseOnly,  // system menu with its close box only
    None,
};

struct FormDesign {
    std::string name;  // the window's class name, e.g. "Tmpconfig"
    std::string caption;
    Rect bounds;  // designed outer bounds
    Size client;  // when not zero, the client area wins over the bounds' size
    BorderStyle border = BorderStyle::Sizeable;
    TitleButtons titleButtons = TitleButtons::All;
    bool centred = false;
    bool stayOnTop = false;
    bool keyPreview = false;
    std::string fontFace = "MS Sans Serif";  // a control's FixedPitch or own face overrides it
    int fontHeight = 11;                     // pixels
};

// The rows most layout tables are made of.
inline ControlDesign label(std::string name, Point at, std::string caption, unsigned flags = 0,
                           std::string parent = {}) {
    return {.name = std::move(name),
            .kind = ControlKind::Label,
            .bounds = {at.x, at.y, 0, 0},
            .caption = std::move(caption),
            .flags = flags,
            .parent = std::move(parent)};
}

inline ControlDesign button(std::string name, Rect bounds, std::string caption, unsigned flags = 0,
                            std::string hint = {}, std::string parent = {}) {
    return {.name = std::move(name),
            .kind = ControlKind::Button,
            .bounds = bounds,
            .caption = std::move(caption),
            .hint = std::move(hint),
            .flags = flags,
            .parent = std::move(parent)};
}

inline ControlDesign edit(std::string name, Rect bounds, unsigned flags = 0, std::string hint = {},
                          std::string parent = {}) {
    return {.name = std::move(name),
            .kind = ControlKind::Edit,
            .bounds = bounds,
            .hint = std::move(hint),
            .flags = flags,
            .parent = std::move(parent)};
}

// What sets one fixed dialog apart from the others.
enum class DialogKind {
    Plain,
    DataEntry,  // sees every key first: Enter moves on as Tab does
    OnTop,      // stays above the program's other windows
};

// A fixed dialog centred on the screen, with no title-bar buttons, so its own
// buttons are the only ways out; its caption is centred by leading blanks.
inline FormDesign fixedDialog(std::string name, int leadingBlanks, const std::string& caption, Size client,
                              DialogKind kind = DialogKind::Plain) {
    return {.name = std::move(name),
            .caption = std::string(static_cast<std::size_t>(leadingBlanks), ' ') + caption,
            .client = client,
            .border = BorderStyle::Dialog,
            .titleButtons = TitleButtons::None,
            .centred = true,
            .stayOnTop = kind == DialogKind::OnTop,
            .keyPreview = kind == DialogKind::DataEntry};
}

}  // namespace zelvio
