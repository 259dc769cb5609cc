#pragma once
// The user's choices that outlive a run: the in-memory copy of "mpzelvio.cfg".
// The two browsed directories and the main window's bounds belong to the file
// too, but they are held by the browsers and the window themselves.

#include <string>

namespace zelvio {

// What the wave pane lists: wave files, or the tracks of an audio CD.
enum class CdMode { Waves, AudioCd };

struct Settings {
    std::string encoderpath;
    std::string playerpath;
    std::string encodeflags = "-hq";
    CdMode cdmode = CdMode::Waves;  // 0 and 1 in the file
    std::string ripperpath;
    std::string rippercommand;
    std::string mixerpath;
};

}  // namespace zelvio
