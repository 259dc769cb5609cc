#include "shell/mainprogram.h"

#include "encoding/compress.h"
#include "encoding/voicerecord.h"
#include "filemgmt/renamefiledlg.h"
#include "playback/about.h"
#include "playback/mpzelvio.h"
#include "shell/mpconfig.h"
#include "songindex/indexedit.h"
#include "songindex/zelvioindex.h"

#include <type_traits>

namespace zelvio {

template <typename Window>
static void create(MainProgram& program, std::unique_ptr<Window>& slot) {
    if constexpr (std::is_constructible_v<Window, MainProgram&>) {
        slot = std::make_unique<Window>(program);
    } else {
        slot = std::make_unique<Window>(program.app);
    }
    program.app.createForm(*slot);
}

MainProgram::MainProgram(Platform platform) : app(platform) {
    app.setTitle("Mp3 Zelvio");
    create(*this, Form1);
    create(*this, Indexdata);
    create(*this, compressinfo);
    create(*this, mpconfig);
    create(*this, mpvoicerecord);
    create(*this, renamedialog);
    create(*this, indexeditor);
    create(*this, mpzelvioabout);
}

MainProgram::~MainProgram() = default;

int MainProgram::run() {
    app.run();
    return 0;
}

}  // namespace zelvio
