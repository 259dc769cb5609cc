#pragma once
// The about box.

#include "platform/form.h"

namespace zelvio {

class MainProgram;

class Tmpzelvioabout : public Form {
public:
    explicit Tmpzelvioabout(MainProgram& program);

    MainProgram& program;
};

}  // namespace zelvio
