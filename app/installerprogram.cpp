#include "app/installerprogram.h"

#include "windows/installer/installwindow.h"

namespace zelvio {

InstallerProgram::InstallerProgram(Platform platform) : app_(platform) {
    // The title error boxes carry: the program's own name, as the system would give it.
    app_.setTitle("install");
    window_ = std::make_unique<TInstallForm>(app_);
    app_.createForm(*window_);
}

InstallerProgram::~InstallerProgram() = default;

int InstallerProgram::run() {
    app_.run();
    return 0;
}

}  // namespace zelvio
