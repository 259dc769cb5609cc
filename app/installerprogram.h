#pragma once
// The installer's composition root: the application and its one window.

#include "platform/application.h"
#include "platform/platform.h"

#include <memory>

namespace zelvio {

class TInstallForm;

class InstallerProgram {
public:
    explicit InstallerProgram(Platform platform);
    ~InstallerProgram();
    // Shows the window and runs until it closes.
    int run();

    Application& app() { return app_; }

private:
    Application app_;
    std::unique_ptr<TInstallForm> window_;
};

}  // namespace zelvio
