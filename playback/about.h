#pragma once
// The about box.

#include "platform/controls/button.h"
#include "platform/form.h"

namespace zelvio {

class MainProgram;

class Tmpzelvioabout : public Form {
public:
    explicit Tmpzelvioabout(MainProgram& program);

    MainProgram& program;

    void okbuttClick();

    Button& okbutt = control<Button>("okbutt");
};

}  // namespace zelvio
