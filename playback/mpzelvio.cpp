#include "playback/mpzelvio.h"

#include "shell/mainprogram.h"

namespace zelvio {

static FormDesign mainWindowDesign() {
    return {
        .name = "TForm1",
        .caption = "Mp3 Zelvio V 0.93",
        .bounds = {116, 91, 640, 482},
        .fontFace = "Times New Roman",
        .fontHeight = 12,
    };
}

static std::vector<ControlDesign> mainWindowLayout() {
    using K = ControlKind;
    return {
        {.name = "Bevel2", .kind = K::Bevel, .bounds = {0, 0, 633, 9}, .bevel = BevelKind::TopLine},
        {.name = "mixerbutt", .kind = K::Button, .bounds = {94, 4, 88, 25}, .caption = "Mixer", .hint = "Bring Up the mixer"},
        {.name = "configbutt", .kind = K::Button, .bounds = {536, 4, 89, 25}, .caption = "Config", .hint = "Config"},
        {.name = "Bevel1", .kind = K::Bevel, .bounds = {0, 24, 633, 9}, .bevel = BevelKind::BottomLine},

        {.name = "File1", .kind = K::Menu, .caption = "&File"},
        {.name = "Mixer1", .kind = K::MenuItem, .caption = "&Mixer", .parent = "File1"},
        {.name = "Setup1", .kind = K::MenuItem, .caption = "&Setup", .parent = "File1"},
        {.name = "N1", .kind = K::MenuItem, .caption = "-", .parent = "File1"},
        {.name = "Exit1", .kind = K::MenuItem, .caption = "E&xit", .parent = "File1"},
        {.name = "Help1", .kind = K::Menu, .caption = "&Help"},
        {.name = "Index1", .kind = K::MenuItem, .caption = "&Index", .parent = "Help1"},
    };
}

TForm1::TForm1(MainProgram& program)
    : Form(program.app, mainWindowDesign(), mainWindowLayout()),
      program(program),
      recdir(program.app.fileSystem()),
      mp3dir(program.app.fileSystem()) {
    onCreate = [this] { FormCreate(); };
    onActivate = [this] { FormActivate(); };
    onClose = [this] { FormClose(); };
    (*this)["configbutt"].onClick = [this] { configbuttClick(); };
    (*this)["mixerbutt"].onClick = [this] { mixerbuttClick(); };
    (*this)["Mixer1"].onClick = [this] { Mixer1Click(); };
    (*this)["Index1"].onClick = [this] { Index1Click(); };
    (*this)["Setup1"].onClick = [this] { Setup1Click(); };
    (*this)["Exit1"].onClick = [this] { Exit1Click(); };
}

}  // namespace zelvio
