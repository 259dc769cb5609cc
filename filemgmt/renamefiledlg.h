#pragma once
// The rename dialog, used as a function: the caller fills both names, empties
// renameresult and shows it modally; afterwards renameresult holds the new
// name, or nothing when the file is to stay as it is.

#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/form.h"

#include <string>

namespace zelvio {

class MainProgram;

class Trenamedialog : public Form {
public:
    explicit Trenamedialog(MainProgram& program);

    MainProgram& program;
    std::string renameresult;

    // Asks for a new name for `name`: a plain file name, or empty when the
    // user gave none.
    std::string askNewName(const std::string& name);

    void FormKeyPress(char& key);
    void newnameeditExit();
    void OkbuttClick();
    void CancelButtClick();

    Edit& oldnameedit = control<Edit>("oldnameedit");
    Edit& newnameedit = control<Edit>("newnameedit");
    Button& Okbutt = control<Button>("Okbutt");
    Button& CancelButt = control<Button>("CancelButt");
};

}  // namespace zelvio
