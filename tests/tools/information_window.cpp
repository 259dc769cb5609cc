// Shows the information window alone on the Win32 backend, reading 12:34,
// "Playing" and "Wav", for a look at it and for the end-to-end tests; with
// "--encoding", "Encode" and "PLEASE WAIT" over 00:00.

#include "platform/application.h"
#include "windows/information/informationwindow.h"
#include "platform/win32/win32_platform.h"

#include <cstring>

int main(int argc, char** argv) {
    zelvio::Win32Platform win32;
    zelvio::Application app(win32.platform());
    zelvio::Tcompressinfo info(app);
    app.createForm(info);
    if (argc > 1 && std::strcmp(argv[1], "--encoding") == 0) {
        info.setdisplay(0, 0, zelvio::SoundSource::Wave, zelvio::Activity::Encoding);
    } else {
        info.setdisplay(12, 34, zelvio::SoundSource::Wave, zelvio::Activity::Playing);
    }
    info.addLine("Debug: a line in the output memo");
    app.run();
    return 0;
}
