#include "shell/program.h"

#include "platform/application.h"
#include "playback/mpzelvio.h"

namespace zelvio {

int runMainProgram(Platform platform) {
    Application app(platform);
    app.setTitle("Mp3 Zelvio");
    TForm1 form1(app);
    app.createForm(form1);
    app.run();
    return 0;
}

}  // namespace zelvio
