#include "filemgmt/renamefiledlg.h"

#include "common/paths.h"
#include "shell/mainprogram.h"

#include <string>

namespace zelvio {

namespace {

FormDesign windowDesign() {
    FormDesign design = fixedDialog("Trenamedialog", std::string(28, ' ') + "Rename File", {295, 97});
    design.keyPreview = true;
    return design;
}

std::vector<ControlDesign> windowLayout() {
    using K = ControlKind;
    return {
        {.name = "Label1", .kind = K::Label, .bounds = {8, 13, 0, 0}, .caption = "Old Name"},
        {.name = "oldnameedit", .kind = K::Edit, .bounds = {72, 10, 215, 21}, .flags = flags::ReadOnly},
        {.name = "Label2", .kind = K::Label, .bounds = {8, 41, 0, 0}, .caption = "New Name"},
        {.name = "newnameedit", .kind = K::Edit, .bounds = {72, 38, 215, 21}},
        {.name = "Okbutt", .kind = K::Button, .bounds = {72, 66, 75, 25}, .caption = "&Ok"},
        {.name = "CancelButt", .kind = K::Button, .bounds = {212, 66, 75, 25}, .caption = "&Cancel"},
    };
}

}  // namespace

Trenamedialog::Trenamedialog(MainProgram& program)
    : Form(program.app, windowDesign(), windowLayout()), program(program) {
    onShow = [this] { newnameedit.setFocus(); };
    onKeyPress = [this](char& key) { FormKeyPress(key); };
    newnameedit.onExit = [this] { newnameeditExit(); };
    Okbutt.onClick = [this] { OkbuttClick(); };
    CancelButt.onClick = [this] { CancelButtClick(); };
}

std::string Trenamedialog::askNewName(const std::string& name) {
    renameresult.clear();
    oldnameedit.setText(name);
    newnameedit.setText(name);
    app().showModal(*this);
    return renameresult;
}

// Enter moves on as Tab does; on a focused button the button takes it first.
void Trenamedialog::FormKeyPress(char& key) { enterMovesOn(key); }

// After typing the new name, one Enter reaches OK and the next presses it.
void Trenamedialog::newnameeditExit() { Okbutt.setFocus(); }

void Trenamedialog::OkbuttClick() {
    const std::string& name = newnameedit.text();
    // A new name moves nothing out of its directory: the user corrects it here, or cancels.
    if (!name.empty() && !IsPlainFileName(name)) {
        app().messageBox(MessageKind::Information, NotAFileNameMessage(name), MessageButtons::Ok);
        newnameedit.setFocus();
        newnameedit.selectAll();
        return;
    }
    renameresult = name;
    close();
}

void Trenamedialog::CancelButtClick() {
    renameresult.clear();
    close();
}

}  // namespace zelvio
