#include "playback/about.h"

#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

namespace {

FormDesign windowDesign() {
    return fixedDialog("Tmpzelvioabout", std::string(27, ' ') + "Mp3 Zelvio About", {315, 203});
}

std::vector<ControlDesign> windowLayout() {
    using K = ControlKind;
    std::vector<ControlDesign> layout = {
        {.name = "Panel1", .kind = K::Bevel, .bounds = {8, 8, 299, 152}},
        {.name = "titlelabel", .kind = K::Label, .bounds = {0, 18, 315, 22}, .caption = "Mp3 Zelvio Ver 0.92",
         .flags = flags::Bold | flags::Underline | flags::Centred, .textColour = colours::Blue, .fontHeight = 16},
    };
    const char* const details[] = {
        "A manager for the MP3 files on your PC.",
        "It plays waves and CD tracks, turns them into",
        "MP3 files through the encoder you choose, keeps",
        "each directory's song index and plays your songs",
        "through your own player.",
        "Free software, written in C++ on the Win32 API.",
    };
    int top = 50;
    int number = 1;
    for (const char* line : details) {
        layout.push_back({.name = "detail" + std::to_string(number++), .kind = K::Label, .bounds = {20, top, 0, 0},
                          .caption = line});
        top += 17;
    }
    layout.push_back({.name = "okbutt", .kind = K::Button, .bounds = {120, 169, 75, 25}, .caption = "&OK"});
    return layout;
}

}  // namespace

Tmpzelvioabout::Tmpzelvioabout(MainProgram& program)
    : Form(program.app, windowDesign(), windowLayout()), program(program) {
    okbutt.onClick = [this] { okbuttClick(); };
}

void Tmpzelvioabout::okbuttClick() { close(); }

}  // namespace zelvio
