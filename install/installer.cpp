#include "install/installer.h"

#include "platform/application.h"

namespace zelvio {

static FormDesign installWindowDesign() {
    return {
        .name = "TInstallForm",
        .caption = "Mp3 Zelvio Setup",
        .client = {427, 306},
        .border = BorderStyle::Dialog,
        .titleButtons = TitleButtons::CloseOnly,
        .centred = true,
        .fontFace = "MS Sans Serif",
        .fontHeight = 11,
    };
}

static std::vector<ControlDesign> installWindowLayout() {
    using K = ControlKind;
    return {
        {.name = "Bevel1", .kind = K::Bevel, .bounds = {8, 8, 409, 289}},
        {.name = "Label1",
         .kind = K::Label,
         .bounds = {16, 3, 0, 0},
         .caption = "Mp Zelvio Installation V .93",
         .flags = flags::Bold,
         .textColour = colours::Navy},
    };
}

TInstallForm::TInstallForm(Application& app) : Form(app, installWindowDesign(), installWindowLayout()) {}

int runInstaller(Platform platform) {
    Application app(platform);
    TInstallForm form(app);
    app.createForm(form);
    app.run();
    return 0;
}

}  // namespace zelvio
