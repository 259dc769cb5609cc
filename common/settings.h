#pragma once
// The user's choices that outlive a run: the in-memory copy of "mpzelvio.cfg".
// The two browsed directories and the main window's bounds belong to the file
// too, but they are held by the browsers and the window themselves.

#include <string>

namespace zelvio {

struct Settings {
    std::string encoderpath;
    std::string playerpath;
    std::string encodeflags = "-hq";
    int cdmode = 0;  // 1 when the wave browser shows audio-CD tracks
    std::string ripperpath;
    std::string rippercommand;
    std::string mixerpath;
};

}  // namespace zelvio
