// Shows the information window alone on the Win32 backend, reading 12:34,
// "Playing" and "Wav", for a look at it and for the end-to-end tests.

#include "platform/application.h"
#include "windows/information/informationwindow.h"
#include "platform/win32/win32_platform.h"

int main() {
    zelvio::Win32Platform win32;
    zelvio::Application app(win32.platform());
    zelvio::Tcompressinfo info(app);
    app.createForm(info);
    info.setdisplay(12, 34, zelvio::SoundSource::Wave, zelvio::Activity::Playing);
    info.addLine("Debug: a line in the output memo");
    app.run();
    return 0;
}
