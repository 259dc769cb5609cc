#include "windows/rename/renamedialog.h"

#include "common/paths.h"
#include "platform/application.h"

#include <string>

namespace zelvio {

namespace {

FormDesign windowDesign() { return fixedDialog("Trenamedialog", 28, "Rename File", {295, 97}, DialogKind::DataEntry); }

std::vector<ControlDesign> windowLayout() {
    return {
        label("Label1", {8, 13}, "Old Name"),      edit("oldnameedit", {72, 10, 215, 21}, flags::ReadOnly),
        label("Label2", {8, 41}, "New Name"),      edit("newnameedit", {72, 38, 215, 21}),
        button("Okbutt", {72, 66, 75, 25}, "&Ok"), button("CancelButt", {212, 66, 75, 25}, "&Cancel"),
    };
}

}  // namespace

Trenamedialog::Trenamedialog(Application& app) : Form(app, windowDesign(), windowLayout()) {
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
