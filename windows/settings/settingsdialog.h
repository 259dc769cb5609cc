#pragma once
// The settings dialog: where the outside programs are and how to call them.
// It shows six of the settings each time it opens and stores them on OK.

#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/form.h"
#include "platform/toolkit.h"

namespace zelvio {

class Application;
struct Settings;

class Tmpconfig : public Form {
public:
    Tmpconfig(Application& app, Settings& settings);

private:
    void FormShow();
    void OKbuttClick();
    void CancelbuttClick();
    void mp3playselectClick();
    void encodeselectClick();
    void mixerSelectClick();
    void RipperbuttClick();
    // Lets the user pick a program for the field; an empty field first gets
    // the hint, when there is one.
    void browse(const char* edit, const char* emptyFieldHint);

    Settings& settings_;
    OpenFileRequest OpenDialog1;
};

}  // namespace zelvio
