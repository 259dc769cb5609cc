#include "windows/installer/installwindow_layout.h"

#include <string>

namespace zelvio {

namespace {

using K = ControlKind;

// A bold label in the given colour, sized to its text.
ControlDesign label(const char* name, int left, int top, const char* caption, Colour colour = colours::Black) {
    return {.name = name,
            .kind = K::Label,
            .bounds = {left, top, 0, 0},
            .caption = caption,
            .flags = flags::Bold | flags::Hidden,
            .textColour = colour};
}

ControlDesign hidden(ControlDesign design) {
    design.flags |= flags::Hidden;
    return design;
}

// One program's row: its label, its read-only field and its browse button.
void addProgramRow(std::vector<ControlDesign>& layout, int top, const char* labelName, int labelLeft,
                   const char* caption, const char* field, const char* button, const char* hint) {
    // The label ends before its field: a text wider than that takes a smaller size.
    ControlDesign name = label(labelName, labelLeft, top + 3, caption);
    name.bounds.width = 144 - labelLeft;
    layout.push_back(std::move(name));
    layout.push_back(hidden({.name = field, .kind = K::Edit, .bounds = {144, top, 225, 21}, .flags = flags::ReadOnly}));
    layout.push_back(hidden({.name = button, .kind = K::GlyphButton, .bounds = {374, top, 22, 22}, .hint = hint}));
}

}  // namespace

FormDesign installWindowDesign() {
    return {.name = "TInstallForm",
            .caption = "Mp3 Zelvio Setup",
            .client = {427, 306},
            .border = BorderStyle::Dialog,
            .titleButtons = TitleButtons::CloseOnly,
            .centred = true,
            .fontFace = "MS Sans Serif",
            .fontHeight = 11};
}

std::vector<ControlDesign> installWindowLayout() {
    std::vector<ControlDesign> layout;
    // The proceed button comes first, so it has the focus at start.
    layout.push_back({.name = "nextbutt",
                      .kind = K::Button,
                      .bounds = {160, 264, 105, 25},
                      .caption = "NEXT",
                      .flags = flags::Bold});
    layout.push_back({.name = "Closebutt", .kind = K::Button, .bounds = {336, 264, 75, 25}, .caption = "Close"});
    layout.push_back({.name = "Bevel1", .kind = K::Bevel, .bounds = {8, 8, 409, 289}});
    ControlDesign title = label("Label1", 16, 3, "Mp Zelvio Installation V .93", colours::Navy);
    title.flags &= ~flags::Hidden;
    layout.push_back(title);
    layout.push_back({.name = "welcomememo",
                      .kind = K::Memo,
                      .bounds = {16, 24, 393, 233},
                      .flags = flags::ReadOnly | flags::VScroll | flags::HScroll});
    layout.push_back(hidden({.name = "Memo1",
                             .kind = K::Memo,
                             .bounds = {16, 24, 393, 73},
                             .accessibleName = "Setup notes",
                             .flags = flags::ReadOnly | flags::Centred | flags::Bold,
                             .backColour = colours::Silver}));
    layout.push_back(hidden({.name = "Bevel2", .kind = K::Bevel, .bounds = {16, 112, 393, 145}}));
    // After its frame, so that it shows over the frame's top edge.
    layout.push_back(label("Label6", 26, 106, "Program Locations", colours::Navy));

    addProgramRow(layout, 125, "Label2", 72, "Mp3 Player", "playeredit", "BitBtn1", "Find your MP3 player");
    addProgramRow(layout, 157, "Label3", 60, "Mp3 Encoder", "encoderedit", "BitBtn3", "Find your MP3 encoder");
    addProgramRow(layout, 189, "Label4", 104, "Mixer", "mixeredit", "BitBtn5", "Find your mixer");
    addProgramRow(layout, 221, "Label5", 24, "Direct Audio Ripper", "ripperedit", "BitBtn7", "Find your CD ripper");

    layout.push_back(hidden(
        {.name = "drive", .kind = K::DriveBox, .bounds = {24, 120, 377, 19}, .accessibleName = "Install drive"}));
    layout.push_back(hidden({.name = "directory",
                             .kind = K::DirectoryList,
                             .bounds = {24, 144, 377, 105},
                             .accessibleName = "Install directory"}));

    layout.push_back(label("Label7", 29, 128, "Copying File", colours::Navy));
    layout.push_back(hidden(
        {.name = "Label8", .kind = K::Label, .bounds = {104, 128, 297, 13}, .flags = flags::Bold | flags::FixedPitch}));
    layout.push_back(label("Label10", 84, 160, "To", colours::Navy));
    layout.push_back(hidden(
        {.name = "Label9", .kind = K::Label, .bounds = {104, 160, 297, 13}, .flags = flags::Bold | flags::FixedPitch}));
    layout.push_back(hidden({.name = "Gauge1", .kind = K::Gauge, .bounds = {80, 216, 265, 33}}));

    layout.push_back(hidden({.name = "Bevel3", .kind = K::Bevel, .bounds = {134, 142, 160, 80}}));
    layout.push_back(hidden({.name = "Image1", .kind = K::Picture, .bounds = {136, 144, 161, 81}}));
    return layout;
}

}  // namespace zelvio
