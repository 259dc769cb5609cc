#include "platform/win32/win32_platform.h"

#include "platform/win32/win32_dde.h"
#include "platform/win32/win32_filesystem.h"
#include "platform/win32/win32_launcher.h"
#include "platform/win32/win32_media.h"
#include "platform/win32/win32_toolkit.h"

namespace zelvio {

struct Win32Platform::Parts {
    Win32FileSystem fileSystem;
    Win32Launcher launcher;
    Win32Toolkit toolkit;
    Win32Media media;
    Win32Dde dde;
};

Win32Platform::Win32Platform() : parts_(std::make_unique<Parts>()) {}

Win32Platform::~Win32Platform() = default;

Platform Win32Platform::platform() {
    return {parts_->fileSystem, parts_->launcher, parts_->toolkit, parts_->media, parts_->dde};
}

}  // namespace zelvio
