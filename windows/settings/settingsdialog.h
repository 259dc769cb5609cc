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
struct SettingRow;

class Tmpconfig : public Form {
public:
    Tmpconfig(Application& app, Settings& settings);

private:
    void FormShow();
    void OKbuttClick();
    void CancelbuttClick();
    // A browse button's click: lets the user pick a program for the row's
    // field; an empty field first gets the row's hint, when it has one.
    void browse(const SettingRow& row);

    Settings& settings_;
    OpenFileRequest OpenDialog1;
};

}  // namespace zelvio
