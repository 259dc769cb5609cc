#pragma once
// The rename dialog, used as a function: it shows a file's name and asks for
// a new one, which must be a plain file name; the user corrects a refused
// one in the open dialog, or cancels.

#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/form.h"

#include <string>

namespace zelvio {

class Application;

class Trenamedialog : public Form {
public:
    explicit Trenamedialog(Application& app);

    // A new name for `name`: a plain file name, or empty when the user gave none.
    std::string askNewName(const std::string& name);

private:
    void FormKeyPress(char& key);
    void newnameeditExit();
    void OkbuttClick();
    void CancelButtClick();

    std::string renameresult;
    Edit& oldnameedit = control<Edit>("oldnameedit");
    Edit& newnameedit = control<Edit>("newnameedit");
    Button& Okbutt = control<Button>("Okbutt");
    Button& CancelButt = control<Button>("CancelButt");
};

}  // namespace zelvio
