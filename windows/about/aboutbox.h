#pragma once
// The about box: the program's name and version, what it does, and OK.

#include "platform/form.h"

namespace zelvio {

class Application;

class Tmpzelvioabout : public Form {
public:
    explicit Tmpzelvioabout(Application& app);
};

}  // namespace zelvio
