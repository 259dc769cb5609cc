#pragma once
// The rename dialog for wave and MP3 files.

#include "platform/form.h"

namespace zelvio {

class MainProgram;

class Trenamedialog : public Form {
public:
    explicit Trenamedialog(MainProgram& program);

    MainProgram& program;
};

}  // namespace zelvio
