#include "encoding/compress.h"

#include <array>
#include <string>

namespace zelvio {

namespace {

constexpr int foldedHeight = 106;
constexpr int unfoldedHeight = 203;

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
    FormDesign design = fixedDialog("Tcompressinfo", std::string(12, ' ') + "Mp3 Zelvio Information", {241, 87});
    design.stayOnTop = true;
    return design;
}

ControlDesign statusLabel(const char* name, const char* caption, int left, int top, Colour colour) {
    return {.name = name,
            .kind = ControlKind::Label,
            .bounds = {left, top, 0, 0},
            .caption = caption,
            .flags = flags::Hidden,
            .textColour = colour,
            .backColour = colours::Black};
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
    layout.push_back({.name = "Label1",
                      .kind = K::Label,
                      .bounds = {68, 5, 0, 0},
                      .caption = "Min",
                      .textColour = colours::Yellow,
                      .backColour = colours::Black});
    layout.push_back({.name = "Label2",
                      .kind = K::Label,
                      .bounds = {112, 5, 0, 0},
                      .caption = "Sec",
                      .textColour = colours::Yellow,
                      .backColour = colours::Black});
    layout.push_back(statusLabel("playingtxt", "Playing", 156, 16, colours::Lime));
    layout.push_back(statusLabel("recordingtxt", "Rec", 156, 16, colours::Red));
    layout.push_back(statusLabel("encodetxt", "Encode", 154, 16, colours::Yellow));
    layout.push_back(statusLabel("Cdtxt", "CD", 156, 30, colours::Aqua));
    layout.push_back(statusLabel("wavtxt", "Wav", 156, 29, colours::Aqua));
    layout.push_back({.name = "waittext",
                      .kind = K::Label,
                      .bounds = {66, 6, 87, 37},
                      .caption = "PLEASE WAIT",
                      .flags = flags::Hidden | flags::Bold | flags::Centred,
                      .textColour = colours::Fuchsia,
                      .backColour = colours::Black,
                      .fontHeight = 16});
    layout.push_back({.name = "Bevel1", .kind = K::Bevel, .bounds = {0, 52, 241, 2}, .bevel = BevelKind::TopLine});
    layout.push_back(
        {.name = "donebutt", .kind = K::Button, .bounds = {8, 57, 75, 22}, .caption = "Hide", .flags = flags::Bold});
    layout.push_back({.name = "showoutputbutt",
                      .kind = K::Button,
                      .bounds = {158, 57, 75, 22},
                      .caption = "Output",
                      .flags = flags::Bold});
    layout.push_back({.name = "outputmemo",
                      .kind = K::Memo,
                      .bounds = {0, 87, 241, 89},
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

void Tcompressinfo::setdisplay(int minutes, int seconds, int source, int status) {
    if (source == 0 || source == 1) {
        Cdtxt.setVisible(source == 1);
        wavtxt.setVisible(source == 0);
    }
    if (status >= 0 && status <= 3) {
        playingtxt.setVisible(status == 1);
        recordingtxt.setVisible(status == 2);
        encodetxt.setVisible(status == 3);
        waittext.setVisible(status == 2 || status == 3);
    }
    const auto [minuteTens, minuteOnes] = twoDigits(minutes);
    const auto [secondTens, secondOnes] = twoDigits(seconds);
    const std::array<int, 4> digits = {minuteTens, minuteOnes, secondTens, secondOnes};
    for (int position = 1; position <= 4; ++position) {
        for (int segment = 1; segment <= 7; ++segment) {
            timer[position - 1][segment - 1]->setVisible(digitPatterns[digits[position - 1]][segment - 1]);
        }
    }
}

void Tcompressinfo::showoutputbuttClick() {
    Rect window = bounds();
    window.height = outputmemo.visible() ? foldedHeight : unfoldedHeight;
    outputmemo.setVisible(!outputmemo.visible());
    setBounds(window);
}

void Tcompressinfo::donebuttClick() { close(); }

}  // namespace zelvio
