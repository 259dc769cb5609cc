#pragma once
// The headless backend in one piece, for tests.

#include "platform/headless/headless_filesystem.h"
#include "platform/headless/headless_clock.h"
#include "platform/headless/headless_dde.h"
#include "platform/headless/headless_launcher.h"
#include "platform/headless/headless_media.h"
#include "platform/headless/headless_toolkit.h"
#include "platform/platform.h"

namespace zelvio {

struct HeadlessPlatform {
    HeadlessClock clock;
    HeadlessFileSystem fs;
    HeadlessToolkit toolkit{clock};
    HeadlessLauncher launcher{fs, toolkit};
    HeadlessMedia media{fs, toolkit};
    HeadlessDde dde;

    Platform platform() { return {fs, launcher, toolkit, media, dde}; }
};

}  // namespace zelvio
