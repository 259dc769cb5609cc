#include "playback/mpzelvio.h"

namespace zelvio {

static FormSpec mainWindowSpec() {
    return {
        .name = "TForm1",
        .caption = "Mp3 Zelvio V 0.93",
        .bounds = {116, 91, 640, 482},
        .fontFace = "Times New Roman",
        .fontHeight = 12,
    };
}

static std::vector<ControlSpec> mainWindowLayout() {
    using K = ControlKind;
    return {
        {.name = "File1", .kind = K::Menu, .caption = "&File"},
        {.name = "Exit1", .kind = K::MenuItem, .caption = "E&xit", .parent = "File1"},
    };
}

TForm1::TForm1(Application& app) : Form(app, mainWindowSpec(), mainWindowLayout()) {
    (*this)["Exit1"].onClick = [this] { Exit1Click(); };
}

void TForm1::Exit1Click() { close(); }

}  // namespace zelvio
