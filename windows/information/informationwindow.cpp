#include "windows/information/informationwindow.h"

#include <array>
#include <string>
#include <tuple>

namespace zelvio {

namespace {

// Client heights: folded, the buttons' bottom edge; unfolded, the memo's.
constexpr int foldedHeight = 79;
constexpr int unfoldedHeight = 176;

// The seven segments a to g of one digit at the first position: left, top,
// width, height. The other positions repeat them further right.
constexpr std::array<Rect, 7> firstDigitSegments = {{
    {81, 17, 9, 3},   // a, top
    {90, 18, 3, 11},  // b, upper right
    {90, 30, 3, 11},  // c, lower right
    {81, 40, 9, 3},   // d, bottom
    {78, 30, 3, 11},  // e, lower left
    {78, 18, 3, 11},  // f, upper left
    {81, 28, 9, 3},   // g, middle
}};
constexpr std::array<int, 4> digitShift = {0, 19, 40, 58};

// Which of the segments a to g each digit lights.
constexpr std::array<std::array<bool, 7>, 10> digitPatterns = {{
    {1, 1, 1, 1, 1, 1, 0},  // 0
    {0, 1, 1, 0, 0, 0, 0},  // 1
    {1, 1, 0, 1, 1, 0, 1},  // 2
    {1, 1, 1, 1, 0, 0, 1},  // 3
    {0, 1, 1, 0, 0, 1, 1},  // 4
    {1, 0, 1, 1, 0, 1, 1},  // 5
    {1, 0, 1, 1, 1, 1, 1},  // 6
    {1, 1, 1, 0, 0, 0, 0},  // 7
    {1, 1, 1, 1, 1, 1, 1},  // 8
    {1, 1, 1, 1, 0, 1, 1},  // 9
}};

std::string segmentName(int position, int segment) {
    return "timer" + std::to_string(position) + std::to_string(segment);
}

// Tens and ones of a number that fits two digits; anything else reads 00.
std::array<int, 2> twoDigits(int number) {
    if (number < 0 || number >= 100) return {0, 0};
    return {number / 10, number % 10};
}

FormDesign windowDesign() {
    return fixedDialog("Tcompressinfo", 12, "Mp3 Zelvio Information", {241, 87}, DialogKind::OnTop);
}

ControlDesign statusLabel(const char* name, const char* caption, int left, int top, Colour colour) {
    ControlDesign status = label(name, {left, top}, caption, flags::Hidden | flags::Status);
    status.textColour = colour;
    status.backColour = colours::Black;
    return status;
}

std::vector<ControlDesign> windowLayout() {
    using K = ControlKind;
    std::vector<ControlDesign> layout;
    layout.push_back({.name = "Shape1",
                      .kind = K::Shape,
                      .bounds = {60, 4, 134, 42},
                      .backColour = colours::Black,
                      .penColour = colours::Grey});
    for (int position = 1; position <= 4; ++position) {
        for (int segment = 1; segment <= 7; ++segment) {
            Rect bounds = firstDigitSegments[segment - 1];
            bounds.left += digitShift[position - 1];
            layout.push_back({.name = segmentName(position, segment),
                              .kind = K::Shape,
                              .bounds = bounds,
                              .backColour = colours::Lime,
                              .penColour = colours::Green,
                              .shape = ShapeKind::Ellipse});
        }
    }
    for (auto [name, top] : {std::pair{"timerdot1", 23}, std::pair{"Shape2", 32}}) {
        layout.push_back({.name = name,
                          .kind = K::Shape,
                          .bounds = {113, top, 4, 4},
                          .backColour = colours::Lime,
                          .penColour = colours::Lime,
                          .shape = ShapeKind::Ellipse});
    }
    // Over the counter and its heads while it shows.
    layout.push_back({.name = "waittext",
                      .kind = K::Label,
                      .bounds = {66, 6, 87, 37},
                      .caption = "PLEASE WAIT",
                      .flags = flags::Hidden | flags::Bold | flags::Centred | flags::Status,
                      .textColour = colours::Fuchsia,
                      .backColour = colours::Black,
                      .fontHeight = 16});
    for (auto [name, left, caption] : {std::tuple{"Label1", 68, "Min"}, std::tuple{"Label2", 112, "Sec"}}) {
        ControlDesign unit = label(name, {left, 5}, caption);
        unit.textColour = colours::Yellow;
        unit.backColour = colours::Black;
        layout.push_back(unit);
    }
    layout.push_back(statusLabel("playingtxt", "Playing", 156, 16, colours::Lime));
    layout.push_back(statusLabel("recordingtxt", "Rec", 156, 16, colours::Red));
    layout.push_back(statusLabel("encodetxt", "Encode", 154, 16, colours::Yellow));
    layout.push_back(statusLabel("Cdtxt", "CD", 156, 30, colours::Aqua));
    layout.push_back(statusLabel("wavtxt", "Wav", 156, 29, colours::Aqua));
    layout.push_back({.name = "Bevel1", .kind = K::Bevel, .bounds = {0, 52, 241, 2}, .bevel = BevelKind::TopLine});
    layout.push_back(button("donebutt", {8, 57, 75, 22}, "Hide", flags::Bold));
    layout.push_back(button("showoutputbutt", {158, 57, 75, 22}, "Output", flags::Bold));
    layout.push_back({.name = "outputmemo",
                      .kind = K::Memo,
                      .bounds = {0, 87, 241, 89},
                      .accessibleName = "Output",
                      .flags = flags::Hidden | flags::VScroll | flags::ReadOnly});
    return layout;
}

}  // namespace

Tcompressinfo::Tcompressinfo(Application& app) : Form(app, windowDesign(), windowLayout()) {
    for (int position = 1; position <= 4; ++position) {
        for (int segment = 1; segment <= 7; ++segment) {
            timer[position - 1][segment - 1] = &control<Control>(segmentName(position, segment));
        }
    }
    showoutputbutt.onClick = [this] { showoutputbuttClick(); };
    donebutt.onClick = [this] { donebuttClick(); };
}

void Tcompressinfo::setdisplay(int minutes, int seconds, std::optional<SoundSource> source,
                               std::optional<Activity> activity) {
    if (source) {
        Cdtxt.setVisible(source == SoundSource::Cd);
        wavtxt.setVisible(source == SoundSource::Wave);
    }
    if (activity) {
        playingtxt.setVisible(activity == Activity::Playing);
        recordingtxt.setVisible(activity == Activity::Recording);
        encodetxt.setVisible(activity == Activity::Encoding);
        waittext.setVisible(activity == Activity::Recording || activity == Activity::Encoding);
    }
    const auto [minuteTens, minuteOnes] = twoDigits(minutes);
    const auto [secondTens, secondOnes] = twoDigits(seconds);
    const std::array<int, 4> digits = {minuteTens, minuteOnes, secondTens, secondOnes};
    for (int position = 1; position <= 4; ++position) {
        for (int segment = 1; segment <= 7; ++segment) {
            timer[position - 1][segment - 1]->setVisible(digitPatterns[digits[position - 1]][segment - 1]);
        }
    }
    if (std::string spoken = spokenReadout(digits); spoken != Shape1.text()) Shape1.setText(std::move(spoken));
}

std::string Tcompressinfo::spokenReadout(const std::array<int, 4>& digits) const {
    // "PLEASE WAIT" covers the digits and their heads while it shows.
    const auto twoOf = [&](int first) { return std::to_string(digits[first]) + std::to_string(digits[first + 1]); };
    std::string spoken =
        waittext.visible() ? waittext.text() : Label1.text() + " " + twoOf(0) + " " + Label2.text() + " " + twoOf(2);
    for (const Control* status : {&playingtxt, &recordingtxt, &encodetxt, &Cdtxt, &wavtxt}) {
        if (status->visible()) spoken += ", " + status->text();
    }
    return spoken;
}

void Tcompressinfo::showoutputbuttClick() {
    const int height = outputmemo.visible() ? foldedHeight : unfoldedHeight;
    outputmemo.setVisible(!outputmemo.visible());
    setClientSize({clientSize().width, height});
}

void Tcompressinfo::donebuttClick() { close(); }

void Tcompressinfo::hide() {
    if (visible()) close();
}

void Tcompressinfo::resetToIdle() {
    showoutputbutt.setEnabled(false);
    donebutt.setEnabled(true);
}

}  // namespace zelvio
