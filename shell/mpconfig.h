#pragma once
// The settings dialog: where the outside programs are and how to call them.

#include "platform/controls/button.h"
#include "platform/controls/edit.h"
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

    Edit& playeredit = control<Edit>("playeredit");
    Button& mp3playselect = control<Button>("mp3playselect");
    Edit& encoderedit = control<Edit>("encoderedit");
    Button& encodeselect = control<Button>("encodeselect");
    Edit& encodeflagedit = control<Edit>("encodeflagedit");
    Edit& mixeredit = control<Edit>("mixeredit");
    Button& mixerSelect = control<Button>("mixerSelect");
    Edit& daripperedit = control<Edit>("daripperedit");
    Button& Ripperbutt = control<Button>("Ripperbutt");
    Edit& Dacommandedit = control<Edit>("Dacommandedit");
    Button& OKbutt = control<Button>("OKbutt");
    Button& Cancelbutt = control<Button>("Cancelbutt");

private:
    // Lets the user pick a program for the field; an empty field first gets
    // the hint, when there is one.
    void browse(Edit& field, const char* emptyFieldHint);
};

}  // namespace zelvio
