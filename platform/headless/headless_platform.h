#pragma once
// The headless backend in one piece, for tests.

#include "platform/headless/headless_filesystem.h"
#include "platform/headless/headless_launcher.h"
#include "platform/headless/headless_toolkit.h"
#include "platform/platform.h"

namespace zelvio {

struct HeadlessPlatform {
    HeadlessFileSystem fs;
    HeadlessLauncher launcher{fs};
    HeadlessToolkit toolkit;

    Platform platform() { return {fs, launcher, toolkit}; }
};

}  // namespace zelvio
