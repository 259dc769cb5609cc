// Names with blanks, shell characters, other letters and great lengths on
// every command line the programs build: each reaches its program as the
// very argument meant, or the user is told why it cannot be used.

#include "program_fixture.h"

#include "common/paths.h"
#include "install/programgroup.h"
#include "wave_header.h"

namespace zelvio {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;

bool blank(char c) { return c == ' ' || c == '\t'; }

// The arguments a program's C runtime makes of its command line: the
// program's name ends at a blank outside quotes; then backslashes count
// only before a quote, and "" inside quotes is a quote.
Texts argvOf(const std::string& line) {
    Texts args(1);
    std::size_t i = 0;
    for (bool quoted = false; i < line.size() && (quoted || !blank(line[i])); ++i) {
        if (line[i] == '"') quoted = !quoted; else args[0] += line[i];
    }
    for (;;) {
        while (i < line.size() && blank(line[i])) ++i;
        if (i == line.size()) return args;
        std::string arg;
        for (bool quoted = false; i < line.size() && (quoted || !blank(line[i]));) {
            std::size_t n = 0;
            for (; i < line.size() && line[i] == '\\'; ++i) ++n;
            if (i < line.size() && line[i] == '"') {
                arg.append(n / 2, '\\');
                if (n % 2 == 1 || (quoted && i + 1 < line.size() && line[i + 1] == '"')) {
                    arg += '"';
                    i += n % 2 == 1 ? 1 : 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                arg.append(n, '\\');
                if (n == 0) arg += line[i++];
            }
        }
        args.push_back(arg);
    }
}

// What the program after "command.com /c" gets: our command.com hands the
// rest of its line to CreateProcess untouched, no shell in between.
Texts argvAfterCommandCom(const std::string& line) {
    const std::string prefix = "command.com /c ";
    if (!line.starts_with(prefix)) return {"not through command.com: " + line};
    return argvOf(line.substr(prefix.size()));
}

// Program Manager's first argument in "[AddItem(...)]": in quotes, or up to a "," or ")".
std::string firstProgmanArgument(const std::string& command) {
    std::size_t i = command.find('(') + 1;
    if (command[i] == '"') return command.substr(i + 1, command.find('"', i + 1) - i - 1);
    return command.substr(i, command.find_first_of(",)", i) - i);
}

// Encodes one wave or track through the index data dialog, `inDialog` done first.
void encodeItem(MainProgram& program, HeadlessToolkit& toolkit, std::size_t item,
                std::function<void(const IndexDataView&)> inDialog = {}) {
    const MainWindowView main(findWindow(program.app(), "TForm1"), program.session());
    main.recfilelist.choose({item});
    toolkit.answerMessageBox(MessageResult::Yes);
    toolkit.whenShownModally("TIndexdata", [inDialog](Form& form) {
        const IndexDataView dialog(form);
        if (inDialog) inDialog(dialog);
        dialog.compresnow.click();
        dialog.Okbutt.click();
    });
    main.compilebutt.click();
}

// Records a second in the voice recorder, which it leaves open.
VoiceRecorderView recordASecond(MainProgram& program) {
    const MainWindowView main(findWindow(program.app(), "TForm1"), program.session());
    main.Voicebutt.click();
    const VoiceRecorderView recorder(findWindow(program.app(), "Tmpvoicerecord"));
    recorder.recordvoicebutt.click();
    program.app().waitUntil([] { return false; }, {.atMost = 1s});
    recorder.Stopvoicebutt.click();
    return recorder;
}

// A name; "foreign" when the ANSI code page cannot hold it, so that what is
// named after it goes by the 8.3 aliases the file system gives.
struct Hostile {
    std::string name;
    bool foreign = false;
    std::string ansi;  // the name in the playlist's code page, when its bytes differ
};
void PrintTo(const Hostile& hostile, std::ostream* out) { *out << '"' << hostile.name << '"'; }

class HostileNames : public ProgramTest, public ::testing::WithParamInterface<Hostile> {
protected:
    std::string name() const { return GetParam().name; }
    // A directory under C:\ named after the case, with an 8.3 alias when it has to have one.
    std::string dir(const std::string& prefix, const std::string& alias) {
        const std::string path = "C:\\" + prefix + " " + name();
        fs().makeDirectories(path);
        if (GetParam().foreign) fs().setShortName(path, alias);
        return GetParam().foreign ? "C:\\" + alias : path;
    }
    std::string file(const std::string& directory, const std::string& base, const std::string& ext,
                     const std::string& alias) {
        const std::string path = directory + "\\" + base + ext;
        fs().putFile(path, waveLasting(1s));
        if (GetParam().foreign) fs().setShortName(path, alias);
        return GetParam().foreign ? alias : base + ext;
    }
    // Starts in the program directory with these directories and programs, the CD in D:.
    void startWith(const std::string& waves, const std::string& mp3s, const std::string& encoder, int cdmode) {
        fs().changeDirectory(zelvio);
        const std::string ripperPath = "C:\\R " + name() + "\\rip.exe";
        fs().putFile(zelvio + "\\mpzelvio.cfg", crlf({"ver 1.3", waves, mp3s, encoder, "", "-b 128",
                                                      std::to_string(cdmode), ripperPath, "%O %T"}));
        start();
    }
    // Long paths as the test made them; the short ones the programs should see.
    std::string zelvio = "C:\\Z " + name();
    std::string zelvioSeen = dir("Z", "ZDIR~1");
    std::string ripper = dir("R", "RDIR~1") + "\\rip.exe";
    Texts commandLines() {
        Texts lines;
        for (const auto& run : headless.launcher.watched()) lines.push_back(run.commandLine);
        return lines;
    }
};

TEST_P(HostileNames, TheEncoderGetsTheWaveAndTheMp3AsOneArgumentEach) {
    const std::string waves = dir("W", "WDIR~1"), mp3s = dir("M", "MDIR~1"), encoder = dir("E", "EDIR~1");
    const std::string wave = file("C:\\W " + name(), name(), ".wav", "WAVE~1.WAV");
    fs().putFile("C:\\E " + name() + "\\enc.exe", "MZ");
    startWith("C:\\W " + name(), "C:\\M " + name(), "C:\\E " + name() + "\\enc.exe", 0);
    encodeItem(*program, toolkit(), 0);
    ASSERT_EQ(commandLines().size(), 1u);
    EXPECT_EQ(argvAfterCommandCom(commandLines()[0]),
              (Texts{encoder + "\\enc.exe", waves + "\\" + wave, mp3s + "\\" + SpacesToUnderscores(name()) + ".mp3",
                     "-b", "128"}));
}

TEST_P(HostileNames, TheRipperGetsItsTrackFileAndTheEncoderTakesIt) {
    fs().putFile("C:\\R " + name() + "\\rip.exe", "MZ");
    fs().makeDirectories("C:\\MP3");
    fs().addDrive('D');
    for (int track = 1; track <= 2; ++track) fs().putFile("D:\\Track0" + std::to_string(track) + ".cda", "");
    headless.media.insertCd({2s, 2s});
    startWith("D:\\", "C:\\MP3", "C:\\ENC.EXE", 1);
    headless.launcher.scriptRun({.effect = [this] { fs().putFile(zelvio + "\\temp.wav", "RIFF"); }});
    encodeItem(*program, toolkit(), 1, [](const IndexDataView& d) { d.RipCdCheck.click(); });
    ASSERT_EQ(commandLines().size(), 2u);
    EXPECT_EQ(argvAfterCommandCom(commandLines()[0]), (Texts{ripper, zelvioSeen + "\\temp.wav", "2"}));
    EXPECT_EQ(argvAfterCommandCom(commandLines()[1]),
              (Texts{"C:\\ENC.EXE", zelvioSeen + "\\temp.wav", "C:\\MP3\\Track02.mp3", "-b", "128"}));
}

TEST_P(HostileNames, ThePlayerGetsThePlaylistWhoseLinesNameTheSongs) {
    const std::string player = dir("P", "PDIR~1") + "\\play.exe";
    fs().putFile("C:\\P " + name() + "\\play.exe", "MZ");
    dir("M", "MDIR~1");
    const std::string song = file("C:\\M " + name(), name(), ".mp3", "SONG~1.MP3");
    fs().changeDirectory(zelvio);
    fs().putFile(zelvio + "\\mpzelvio.cfg", crlf({"ver 1.2", zelvio, "C:\\M " + name(), "",
                                                  "C:\\P " + name() + "\\play.exe", "-hq", "0"}));
    start();
    main().mpsonglist.choose({0});
    main().mp3play.click();
    EXPECT_TRUE(boxes().empty());
    ASSERT_EQ(headless.launcher.starts().size(), 1u);
    EXPECT_EQ(argvOf(headless.launcher.starts()[0].commandLine), (Texts{player, zelvioSeen + "\\mpzelv.m3u"}));
    const std::string inAnsi = GetParam().ansi.empty() ? song : GetParam().ansi + ".mp3";
    EXPECT_EQ(fs().fileBytes(zelvio + "\\mpzelv.m3u"), inAnsi + "\r\n");
}

TEST_P(HostileNames, TheMixerAndTheVoiceRecordersEncoderGetTheirPaths) {
    const std::string mixer = dir("X", "XDIR~1") + "\\mix.exe";
    fs().putFile("C:\\X " + name() + "\\mix.exe", "MZ");
    fs().makeDirectories("C:\\MP3");
    startWith("C:\\MP3", "C:\\MP3", "C:\\ENC.EXE", 0);
    main().settings.mixerpath = "C:\\X " + name() + "\\mix.exe";
    main().Mixer1.click();
    EXPECT_TRUE(boxes().empty());
    ASSERT_EQ(headless.launcher.starts().size(), 1u);
    EXPECT_EQ(argvOf(headless.launcher.starts()[0].commandLine), Texts{mixer});

    const VoiceRecorderView& recorder = recordASecond(*program);
    recorder.mpnameedit.setText(name() + ".mp3");
    recorder.Compressvoicebutt.click();
    ASSERT_EQ(commandLines().size(), 1u);
    EXPECT_EQ(argvAfterCommandCom(commandLines()[0]),
              (Texts{"C:\\ENC.EXE", zelvioSeen + "\\voice.wav", "C:\\MP3\\" + SpacesToUnderscores(name()) + ".mp3",
                     "-b", "128"}));
}

TEST_P(HostileNames, ProgramManagerReadsTheInstalledPathBack) {
    const std::string path = "C:\\" + name() + "\\MPZELVIO\\mpzelvio.exe";
    EXPECT_EQ(firstProgmanArgument("[AddItem(" + programManagerArgument(path) + ",Mp3 Zelvio)]"), path);
}

INSTANTIATE_TEST_SUITE_P(
    , HostileNames,
    ::testing::Values(Hostile{"my  song"}, Hostile{"rock & roll"}, Hostile{"a^b"},
                      Hostile{"100%"}, Hostile{"%PATH%"}, Hostile{"(live)"}, Hostile{"a,b"}, Hostile{"x;y=z"},
                      Hostile{"it's"}, Hostile{"-o x"}, Hostile{"Ünïcode", false, "\xDC" "n\xEF" "code"},
                      Hostile{"Čaj", true}, Hostile{"Лето", true}, Hostile{std::string(100, 'n')}));

// Typed MP3 names that would put the file elsewhere, and names at the length limits.
class HostileTypedNames : public ProgramTest {
protected:
    void SetUp() override {
        fs().makeDirectories("C:\\ZELVIO");
        fs().makeDirectories("C:\\MP3");
        fs().changeDirectory("C:\\ZELVIO");
        fs().putFile("C:\\W\\a.wav", waveLasting(1s));
        fs().putFile("C:\\W\\" + std::string(251, 'z') + ".wav", waveLasting(1s));
        fs().putFile("C:\\ZELVIO\\mpzelvio.cfg", crlf({"ver 1.2", "C:\\W", "C:\\MP3", "C:\\ENC.EXE", "", "", "0"}));
        start();
    }
    const Texts badNames{"..\\x.mp3", "a\\b.mp3", "a/b.mp3", "C:x.mp3", "x\".mp3", "a?.mp3", "a|b.mp3", "..", ""};
};

TEST_F(HostileTypedNames, ANameOutsideTheMp3DirectoryIsRefusedWithItsReason) {
    encodeItem(*program, toolkit(), 0, [this](const IndexDataView& d) {
        for (const std::string& bad : badNames) {
            d.compressname.setText(bad);
            d.Button1.click();
            EXPECT_EQ(boxes().back().text,
                      "\"" + bad + "\" is not a file name: it must not be empty or hold any of \\ / : * ? \" < > |");
        }
        EXPECT_FALSE(d.saveindex.enabled());
    });
    EXPECT_EQ(boxes().size(), badNames.size() + 1);
    ASSERT_EQ(headless.launcher.watched().size(), 1u);
    EXPECT_EQ(argvAfterCommandCom(headless.launcher.watched()[0].commandLine)[2], "C:\\MP3\\a.mp3");

    const VoiceRecorderView& recorder = recordASecond(*program);
    for (const std::string& bad : badNames) {
        recorder.mpnameedit.setText(bad);
        recorder.Compressvoicebutt.click();
    }
    EXPECT_EQ(boxes().size(), 2 * badNames.size() + 1);
    EXPECT_EQ(headless.launcher.watched().size(), 1u);
    EXPECT_TRUE(recorder.Compressvoicebutt.enabled()) << "the recording waits for a good name";

    // Renaming a wave: the same names, the same answer over the dialog,
    // which stays open for a better name; the file stays where it is.
    for (const std::string& bad : badNames) {
        if (bad.empty()) continue;  // an empty new name is the dialog's Cancel
        toolkit().whenShownModally("Trenamedialog", [this, bad](Form&) {
            const RenameDialogView& d = renameDialog();
            d.newnameedit.type(bad);
            d.pressKey('\r');
            d.pressKey('\r');
            EXPECT_EQ(boxes().back().text.substr(0, bad.size() + 2), "\"" + bad + "\"");
            EXPECT_TRUE(d.visible());
            EXPECT_TRUE(d.newnameedit.focused());
            EXPECT_TRUE(d.newnameedit.allSelected());
            d.CancelButt.click();
        });
        main().recfilelist.choose({0});
        main().WaveRename1.click();
    }
    EXPECT_EQ(boxes().size(), 3 * badNames.size());
    EXPECT_TRUE(fs().fileExists("C:\\W\\a.wav"));
    EXPECT_EQ(fs().list("C:\\"), (Texts{"ZELVIO", "MP3", "W"}));
}

TEST_F(HostileTypedNames, A255CharacterNameReachesTheEncoderWholeAndAMissingMp3IsTold) {
    const std::string base(251, 'z');
    encodeItem(*program, toolkit(), 1);
    ASSERT_EQ(headless.launcher.watched().size(), 1u);
    const Texts argv = argvAfterCommandCom(headless.launcher.watched()[0].commandLine);
    EXPECT_EQ(argv, (Texts{"C:\\ENC.EXE", "C:\\W\\" + base + ".wav", "C:\\MP3\\" + base + ".mp3"}));
    const Texts memo = information().outputmemo.lines();
    EXPECT_EQ(memo.back(), "No MP3 file was made: C:\\MP3\\" + base + ".mp3");
}

}  // namespace
}  // namespace zelvio
