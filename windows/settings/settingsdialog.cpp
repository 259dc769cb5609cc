#include "windows/settings/settingsdialog.h"

#include "common/settings.h"
#include "platform/application.h"

#include <string>

namespace zelvio {

static const char* const playerHint =
    "If you do not know how to find the player, the USUAL player name is winplay3.exe. If you have no idea "
    "where you installed it try using the Windows 95 search function by selecting find in your Windows 95 "
    "tile bar start menu";
static const char* const encoderHint =
    "If you do not know how to find the encoder, the USUAL encoder name is l3enc.exe. If you have no idea "
    "where you installed it try using the Windows 95 search function by selecting find in your Windows 95 "
    "tile bar start menu";
static const char* const mixerHint =
    "If you do not know where your mixer is, try the sndvol32.exe file in your main windows 95 directory";

// The six fields, each the setting it shows, in the order OK stores them.
struct SettingField {
    const char* edit;
    std::string Settings::*setting;
};
static const SettingField settingFields[] = {
    {"playeredit", &Settings::playerpath},      {"encoderedit", &Settings::encoderpath},
    {"encodeflagedit", &Settings::encodeflags}, {"mixeredit", &Settings::mixerpath},
    {"daripperedit", &Settings::ripperpath},    {"Dacommandedit", &Settings::rippercommand},
};

static FormDesign configDesign() { return fixedDialog("Tmpconfig", 35, "Mp3 Zelvio Config", {385, 261}); }

// One row of a frame: a label, the field and, for a path, its browse button.
static void addRow(std::vector<ControlDesign>& layout, const std::string& frame, int top, const char* label,
                   const char* field, const char* browseButton, const char* browseHint) {
    using K = ControlKind;
    int labels = 0;
    for (const auto& c : layout) labels += c.kind == K::Label;
    layout.push_back(zelvio::label("Label" + std::to_string(labels + 1), {12, top + 4}, label, 0, frame));
    if (browseButton == nullptr) {
        layout.push_back(edit(field, {100, top, 257, 21}, 0, {}, frame));
        return;
    }
    layout.push_back(edit(field, {100, top, 229, 21}, flags::ReadOnly, {}, frame));
    layout.push_back({.name = browseButton,
                      .kind = K::GlyphButton,
                      .bounds = {335, top, 22, 22},
                      .hint = browseHint,
                      .parent = frame});
}

static std::vector<ControlDesign> configLayout() {
    using K = ControlKind;
    std::vector<ControlDesign> layout;
    layout.push_back({.name = "GroupBox1", .kind = K::GroupBox, .bounds = {8, 6, 369, 108}, .caption = "Mp3 Config"});
    addRow(layout, "GroupBox1", 20, "Mp3 Player", "playeredit", "mp3playselect", "Select Player from file list");
    addRow(layout, "GroupBox1", 50, "Mp3 Encoder", "encoderedit", "encodeselect", "Select Encoder from file list");
    addRow(layout, "GroupBox1", 80, "Encode Flags", "encodeflagedit", nullptr, nullptr);
    layout.push_back({.name = "GroupBox2", .kind = K::GroupBox, .bounds = {8, 118, 369, 108}, .caption = "Other"});
    addRow(layout, "GroupBox2", 20, "Mixer", "mixeredit", "mixerSelect", "Select Mixer from file list");
    addRow(layout, "GroupBox2", 50, "DA Ripper", "daripperedit", "Ripperbutt", "Select Da Ripper from File list");
    addRow(layout, "GroupBox2", 80, "DA Command", "Dacommandedit", nullptr, nullptr);
    layout.push_back(button("OKbutt", {104, 232, 75, 25}, "&OK", flags::Bold));
    layout.push_back(button("Cancelbutt", {206, 232, 75, 25}, "&Cancel"));
    return layout;
}

Tmpconfig::Tmpconfig(Application& app, Settings& settings)
    : Form(app, configDesign(), configLayout()), settings_(settings) {
    OpenDialog1.filter = "Exe Files (.exe)|*.exe";
    onShow = [this] { FormShow(); };
    control<Button>("OKbutt").onClick = [this] { OKbuttClick(); };
    control<Button>("Cancelbutt").onClick = [this] { CancelbuttClick(); };
    control<Button>("mp3playselect").onClick = [this] { mp3playselectClick(); };
    control<Button>("encodeselect").onClick = [this] { encodeselectClick(); };
    control<Button>("mixerSelect").onClick = [this] { mixerSelectClick(); };
    control<Button>("Ripperbutt").onClick = [this] { RipperbuttClick(); };
}

void Tmpconfig::FormShow() {
    for (const SettingField& field : settingFields) control<Edit>(field.edit).setText(settings_.*field.setting);
}

void Tmpconfig::browse(const char* edit, const char* emptyFieldHint) {
    Edit& field = control<Edit>(edit);
    if (emptyFieldHint != nullptr && field.text().empty()) {
        app().messageBox(MessageKind::Information, emptyFieldHint, MessageButtons::Ok);
    }
    OpenDialog1.fileName = field.text();
    if (auto path = app().openFileDialog(OpenDialog1)) field.setText(*path);
}

void Tmpconfig::mp3playselectClick() { browse("playeredit", playerHint); }
void Tmpconfig::encodeselectClick() { browse("encoderedit", encoderHint); }
void Tmpconfig::mixerSelectClick() { browse("mixeredit", mixerHint); }
void Tmpconfig::RipperbuttClick() { browse("daripperedit", nullptr); }

void Tmpconfig::CancelbuttClick() { close(); }

void Tmpconfig::OKbuttClick() {
    for (const SettingField& field : settingFields) settings_.*field.setting = control<Edit>(field.edit).text();
    close();
}

}  // namespace zelvio
