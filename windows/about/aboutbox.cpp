#include "windows/about/aboutbox.h"

#include "platform/controls/button.h"

#include <string>

namespace zelvio {

namespace {

FormDesign windowDesign() { return fixedDialog("Tmpzelvioabout", 27, "Mp3 Zelvio About", {315, 203}); }

std::vector<ControlDesign> windowLayout() {
    using K = ControlKind;
    std::vector<ControlDesign> layout = {
        {.name = "Panel1", .kind = K::Bevel, .bounds = {8, 8, 299, 152}},
        {.name = "titlelabel",
         .kind = K::Label,
         .bounds = {0, 18, 315, 22},
         .caption = "Mp3 Zelvio Ver 0.92",
         .flags = flags::Bold | flags::Underline | flags::Centred,
         .textColour = colours::Blue,
         .fontHeight = 16},
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
        layout.push_back(label("detail" + std::to_string(number++), {20, top}, line));
        top += 17;
    }
    layout.push_back(button("okbutt", {120, 169, 75, 25}, "&OK"));
    return layout;
}

}  // namespace

Tmpzelvioabout::Tmpzelvioabout(Application& app) : Form(app, windowDesign(), windowLayout()) {
    control<Button>("okbutt").onClick = [this] { close(); };
}

}  // namespace zelvio
