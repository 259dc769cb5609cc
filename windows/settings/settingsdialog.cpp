#include "windows/settings/settingsdialog.h"

#include "common/settings.h"
#include "platform/application.h"
#include "settings/settinglines.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace zelvio {

namespace {

// The lines the dialog shows, frame by frame, each row from top to bottom.
std::vector<const SettingLine*> dialogLines() {
    std::vector<const SettingLine*> lines;
    for (const SettingLine& line : settingLines()) {
        if (line.row) lines.push_back(&line);
    }
    std::sort(lines.begin(), lines.end(), [](const SettingLine* a, const SettingLine* b) {
        return std::pair{a->row->frame, a->row->place} < std::pair{b->row->frame, b->row->place};
    });
    return lines;
}

// The setting a dialog line shows: every one is a text.
std::string& settingOf(Settings& settings, const SettingLine& line) {
    return settings.*std::get<std::string Settings::*>(line.field);
}

FormDesign configDesign() { return fixedDialog("Tmpconfig", 35, "Mp3 Zelvio Config", {385, 261}); }

std::vector<ControlDesign> configLayout() {
    using K = ControlKind;
    const std::array<const char*, 2> frameCaptions{"Mp3 Config", "Other"};
    std::vector<ControlDesign> layout;
    int frame = -1;
    int labels = 0;
    for (const SettingLine* line : dialogLines()) {
        const SettingRow& row = *line->row;
        const std::string group = "GroupBox" + std::to_string(row.frame + 1);
        if (row.frame != frame) {
            frame = row.frame;
            layout.push_back({.name = group,
                              .kind = K::GroupBox,
                              .bounds = {8, 6 + 112 * frame, 369, 108},
                              .caption = frameCaptions.at(static_cast<std::size_t>(frame))});
        }
        // A label, the field and, for a program's path, its browse button.
        const int top = 20 + 30 * row.place;
        layout.push_back(label("Label" + std::to_string(++labels), {12, top + 4}, row.label, 0, group));
        if (row.browseButton == nullptr) {
            layout.push_back(edit(row.edit, {100, top, 257, 21}, 0, {}, group));
            continue;
        }
        layout.push_back(edit(row.edit, {100, top, 229, 21}, flags::ReadOnly, {}, group));
        layout.push_back({.name = row.browseButton,
                          .kind = K::GlyphButton,
                          .bounds = {335, top, 22, 22},
                          .hint = row.browseHint,
                          .parent = group});
    }
    layout.push_back(button("OKbutt", {104, 232, 75, 25}, "&OK", flags::Bold));
    layout.push_back(button("Cancelbutt", {206, 232, 75, 25}, "&Cancel"));
    return layout;
}

}  // namespace

Tmpconfig::Tmpconfig(Application& app, Settings& settings)
    : Form(app, configDesign(), configLayout()), settings_(settings) {
    OpenDialog1.filter = "Exe Files (.exe)|*.exe";
    onShow = [this] { FormShow(); };
    control<Button>("OKbutt").onClick = [this] { OKbuttClick(); };
    control<Button>("Cancelbutt").onClick = [this] { CancelbuttClick(); };
    for (const SettingLine* line : dialogLines()) {
        const SettingRow& row = *line->row;
        if (row.browseButton != nullptr) control<Button>(row.browseButton).onClick = [this, &row] { browse(row); };
    }
}

void Tmpconfig::FormShow() {
    for (const SettingLine* line : dialogLines()) control<Edit>(line->row->edit).setText(settingOf(settings_, *line));
}

void Tmpconfig::browse(const SettingRow& row) {
    Edit& field = control<Edit>(row.edit);
    if (row.emptyFieldHint != nullptr && field.text().empty()) {
        app().messageBox(MessageKind::Information, row.emptyFieldHint, MessageButtons::Ok);
    }
    OpenDialog1.fileName = field.text();
    if (auto path = app().openFileDialog(OpenDialog1)) field.setText(*path);
}

void Tmpconfig::CancelbuttClick() { close(); }

void Tmpconfig::OKbuttClick() {
    for (const SettingLine* line : dialogLines()) settingOf(settings_, *line) = control<Edit>(line->row->edit).text();
    close();
}

}  // namespace zelvio
