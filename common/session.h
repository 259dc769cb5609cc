#pragma once
// What one run of the main program knows besides its windows: the settings,
// where it started and where it writes, and which directories the two panes
// show. The composition root owns it; every window and service that needs it
// is handed it, and no one looks for it anywhere else.

#include "common/settings.h"

#include <string>

namespace zelvio {

struct Session {
    Settings settings;
    std::string startdir;        // the working directory at start
    std::string programdir;      // its short form, where the installer put the first settings
    // Where the settings, the playlist and the recordings are written:
    // programdir, or a per-user directory when that is read-only (common/workdir.h).
    std::string workdir;
    bool settingsvalid = false;  // the settings file is written at close only when set
    std::string waveDirectory;   // what the wave pane shows
    std::string mp3Directory;    // what the MP3 pane shows
};

}  // namespace zelvio
