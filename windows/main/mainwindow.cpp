#include "windows/main/mainwindow.h"

#include "platform/application.h"
#include "playback/songcolumns.h"
#include "windows/main/mainwindow_layout.h"

#include <algorithm>

namespace zelvio {

using namespace mainlayout;

namespace {

// The drive box, directory list and filter box beside a list, from its top and height.
void placeColumn(Control& drive, Control& directory, Control& filter, int left, int top, int height) {
    drive.setBounds({left, top, drive.bounds().width, driveBoxHeight});
    const int directoryHeight = std::max(height - driveBoxHeight - filterBoxHeight, 0);
    directory.setBounds({left, top + driveBoxHeight, directory.bounds().width, directoryHeight});
    filter.setBounds({left, top + driveBoxHeight + directoryHeight, filter.bounds().width, filterBoxHeight});
}

}  // namespace

TForm1::TForm1(Application& app, Session& session, Progress& information, Links links)
    : Form(app, mainlayout::design(), mainlayout::controls()),
      session_(session),
      information_(information),
      links_(std::move(links)),
      player_(app.system(), information) {
    recdrive.link(recdir);
    recdir.link(recdrive);
    recdir.link(recfilelist);
    recfilter.link(recfilelist);
    mp3drive.link(mp3dir);
    mp3dir.link(mp3drive);
    mp3dir.link(mp3list);
    mp3filter.link(mp3list);
    // Each column of a song starts under its head.
    std::vector<int> columnLefts;
    for (const SongColumn& column : songColumnTable) columnLefts.push_back(column.headLeft - listLeft);
    mpsonglist.setColumns(std::move(columnLefts));

    onCreate = [this] { FormCreate(); };
    onActivate = [this] { FormActivate(); };
    onCloseQuery = [this] { return FormCloseQuery(); };
    onResize = [this] { FormResize(); };

    auto menu = [this](const char* name) -> Control* { return &control<MenuItem>(name); };
    bind({&configbutt, menu("Setup1"), menu("Setup2"), menu("Setup3")}, [this] { links_.showSettings(); });
    bind({&control<Button>("mixerbutt"), menu("Mixer1"), menu("Mixer2"), menu("Mixer3")}, [this] { startMixer(); });
    bind({menu("Exit1")}, [this] { Exit1Click(); });
    bind({menu("Index1")}, [this] { Index1Click(); });
    bind({menu("Extensions1")}, [this] { Extensions1Click(); });
    bind({menu("About1")}, [this] { About1Click(); });
    bind({menu("Refresh1")}, [this] { RefreshAll(); });
    bind({&sortmenu}, [this] { sortmenuClick(); });
    bind({&control<Button>("compilebutt")}, [this] { compilebuttclick(); });
    bind({menu("Encode1")}, [this] { Encode1Click(); });
    bind({&control<Button>("Voicebutt"), menu("Voice1")}, [this] { links_.showVoiceRecorder(); });
    bind({menu("WaveDelete1"), menu("Delete1")}, [this] { deletewaves(); });
    bind({menu("WaveRename1"), menu("Rename1")}, [this] { renamewaves(); });
    bind({menu("Mp3Delete1"), menu("Delete2")}, [this] { deletemp3s(); });
    bind({menu("Mp3Rename1"), menu("Rename2")}, [this] { renamemp3s(); });
    bind({menu("IndexEdit1"), menu("IndexEdit2")}, [this] { IndexEdit(); });

    recdrive.onChange = [this] { CheckAudioCd(); };
    recdir.onChange = [this] { session_.waveDirectory = recdir.directory(); };
    bind({&recplay, menu("Play1")}, [this] { PlaySelection(); });
    recfilelist.onDoubleClick = [this](std::size_t) { PlaySelection(); };
    bind({&recstop}, [this] { recstopClick(); });
    bind({&recback}, [this] { recbackClick(); });
    bind({&recfwd}, [this] { recfwdClick(); });
    bind({&control<Button>("recpause")}, [this] { recpauseClick(); });
    player_.onPlace = [this](bool back, bool forward) {
        recback.setEnabled(back);
        recfwd.setEnabled(forward);
    };

    mp3dir.onChange = [this] {
        session_.mp3Directory = mp3dir.directory();
        BuildSongList();
    };
    mp3filter.onChange = [this] { BuildSongList(); };
    bind({&mp3play, menu("Play2")}, [this] { PlaySongs(); });
    mpsonglist.onDoubleClick = [this](std::size_t) { PlaySongs(); };
}

void TForm1::resetToIdle() {
    recback.setEnabled(false);
    recfwd.setEnabled(false);
    recplay.setEnabled(true);
    recstop.setEnabled(false);
}

void TForm1::FormResize() {
    // The rule is in design pixels: the outer width, frame included, and the client area.
    const int width = designSize().width;
    const Size client = clientSize();
    // Never a negative height: below 88 pixels of client area the lists close up.
    const int listHeight = std::max((client.height - 88) / 2, 0);
    const int listWidth = std::max(width - 199, 0);
    recfilelist.setBounds({listLeft, 48, listWidth, listHeight});
    mpsonglist.setBounds({listLeft, listHeight + 68, listWidth, listHeight});
    // Both lines span the window: Bevel1 by the rule, Bevel2 as the line aligned to the top.
    for (Control* bevel : {&Bevel1, &Bevel2}) {
        Rect line = bevel->bounds();
        line.width = client.width;
        bevel->setBounds(line);
    }

    placeColumn(recdrive, recdir, recfilter, width - 133, 48, listHeight);
    placeColumn(mp3drive, mp3dir, mp3filter, width - 133, mpsonglist.bounds().top, listHeight);

    int top = mpsonglist.bounds().top + 2;
    for (Button* b : {&mp3play, &mp3stop, &mp3back, &mp3fowrd, &Mp3pause}) {
        Rect r = b->bounds();
        r.top = top;
        b->setBounds(r);
        top += r.height + 2;
    }
    Rect config = configbutt.bounds();
    config.left = client.width - 91;
    configbutt.setBounds(config);
    for (std::size_t column = 0; column < songColumnTable.size(); ++column) {
        Control& head = (*this)[songHead(column)];
        Rect r = head.bounds();
        r.top = mpsonglist.bounds().top - (r.height + 2);
        head.setBounds(r);
    }
}

}  // namespace zelvio
