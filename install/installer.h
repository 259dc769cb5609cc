#pragma once
// The installer's program block and its one window.

#include "platform/form.h"
#include "platform/platform.h"

namespace zelvio {

class TInstallForm : public Form {
public:
    explicit TInstallForm(Application& app);
};

// Creates the installer window and runs until it closes.
int runInstaller(Platform platform);

}  // namespace zelvio
