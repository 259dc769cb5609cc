#pragma once
// The settings dialog: where the outside programs are and how to call them.

#include "platform/form.h"
#include "platform/toolkit.h"

namespace zelvio {

class MainProgram;

class Tmpconfig : public Form {
public:
    explicit Tmpconfig(MainProgram& program);

    MainProgram& program;
    OpenFileRequest OpenDialog1;

    void FormShow();
    void OKbuttClick();
    void CancelbuttClick();
    void mp3playselectClick();
    void encodeselectClick();
    void mixerSelectClick();
    void RipperbuttClick();

private:
    // Lets the user pick a program for the field; an empty field first gets
    // the hint, when there is one.
    void browse(Control& field, const char* emptyFieldHint);
};

}  // namespace zelvio
