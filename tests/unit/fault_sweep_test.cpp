// Every file the programs write, failed at each step of its writing through
// the command that writes it: the old file stays byte for byte, nothing is
// left beside it, the user is told, and the same command works once the disk
// is well again.

#include "program_fixture.h"

#include "encoding/wavetemplate.h"
#include "app/installerprogram.h"
#include "windows/installer/installwindow.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace zelvio {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;

const char* const accessDenied = "Access is denied.";
const char* const diskFull = "There is not enough space on the disk.";

// One way the writing of a file fails, and the error the user is told.
struct FailurePoint {
    std::string name;
    std::function<void(HeadlessFileSystem&)> arm;
    const char* error;
};

// Every step of replacing `path` by `units` lines or blocks: creating the
// temporary beside it, each write, the close, and putting it in place.
std::vector<FailurePoint> failurePoints(const std::string& path, std::size_t units) {
    const std::string temporary = path + ".tmp";
    std::vector<FailurePoint> points{{"create", [=](HeadlessFileSystem& fs) { fs.failCreating(temporary); }, accessDenied}};
    for (std::size_t k = 0; k <= units; ++k) {
        points.push_back({k < units ? "write " + std::to_string(k) : "close",
                          [=](HeadlessFileSystem& fs) { fs.failWritingAfter(k, temporary); }, diskFull});
    }
    points.push_back({"replace", [=](HeadlessFileSystem& fs) { fs.failCreating(path); }, accessDenied});
    return points;
}

// The names in the directory of `path`, in order of name: a replaced file takes
// the place of its temporary.
Texts namesBeside(HeadlessFileSystem& fs, const std::string& path) {
    Texts names = fs.list(path.substr(0, path.rfind('\\')));
    std::sort(names.begin(), names.end());
    return names;
}

// What a failure must leave: the error told once, the old file (or none) as it
// was, and no other name in its directory than before.
void expectKept(HeadlessFileSystem& fs, const Texts& errors, const FailurePoint& point, const std::string& path,
                const std::optional<std::string>& before, const Texts& listing) {
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].ends_with(point.error)) << errors[0];
    if (before) {
        EXPECT_EQ(fs.fileBytes(path), *before);
    } else {
        EXPECT_FALSE(fs.fileExists(path));
    }
    EXPECT_EQ(namesBeside(fs, path), listing);
}

class FaultSweep : public ProgramTest {
protected:
    void SetUp() override {
        fs().makeDirectories("C:\\ZELVIO");
        fs().changeDirectory("C:\\ZELVIO");
        fs().putFile("C:\\ZELVIO\\PLAYER.EXE", "MZ");
        for (const char* name : {"a.mp3", "b.mp3"}) fs().putFile(std::string("C:\\MP3\\") + name, "x");
        fs().putFile("C:\\WAVES\\take1.wav", "RIFF");
        fs().addDrive('D');
        fs().putFile("D:\\Track01.cda", "");
        headless.media.insertCd({2s});
    }
    void startWith(const std::string& waves, int cdmode) {
        program.reset();
        fs().changeDirectory("C:\\ZELVIO");
        fs().putFile(settingsPath, crlf({"ver 1.2", waves, "C:\\MP3", "C:\\L3ENC\\L3ENC.EXE", "C:\\ZELVIO\\PLAYER.EXE",
                                         "-hq", std::to_string(cdmode)}));
        start();
    }
    // The error boxes shown since `count` boxes had been.
    Texts errorsSince(std::size_t count) {
        Texts texts;
        for (std::size_t i = count; i < boxes().size(); ++i) {
            if (boxes()[i].kind == MessageKind::PlainError) texts.push_back(boxes()[i].text);
        }
        return texts;
    }

    const std::string settingsPath = "C:\\ZELVIO\\mpzelvio.cfg";
};

TEST_F(FaultSweep, SettingsWrittenByExit) {
    for (const FailurePoint& point : failurePoints(settingsPath, 14)) {
        SCOPED_TRACE(point.name);
        startWith("C:\\WAVES", 0);
        const std::string before = fs().fileBytes(settingsPath);
        const Texts listing = namesBeside(fs(), settingsPath);
        const std::size_t shown = boxes().size();
        main().settings.playerpath = "C:\\NEW.EXE";
        point.arm(fs());
        toolkit().answerMessageBox(MessageResult::Ok);  // the error
        toolkit().answerMessageBox(MessageResult::No);  // "Close anyway?"
        main().Exit1.click();
        EXPECT_FALSE(program->app().terminated());
        expectKept(fs(), errorsSince(shown), point, settingsPath, before, listing);

        fs().clearFaults();
        main().Exit1.click();
        EXPECT_TRUE(program->app().terminated());
        EXPECT_NE(fs().fileBytes(settingsPath).find("\r\nC:\\NEW.EXE\r\n"), std::string::npos);
    }
}

TEST_F(FaultSweep, IndexWrittenByTheEditorsOk) {
    const std::string index = "C:\\MP3\\index.dat";
    const std::string before = crlf({"a.mp3", "Old", "X", "1:00"});
    startWith("C:\\WAVES", 0);
    for (const FailurePoint& point : failurePoints(index, 4)) {
        SCOPED_TRACE(point.name);
        fs().putFile(index, before);
        const Texts listing = namesBeside(fs(), index);
        const std::size_t shown = boxes().size();
        main().mpsonglist.choose({0});
        toolkit().whenShownModally("Tindexeditor", [&](Form&) {
            const IndexEditorView& editor = indexEditor();
            EXPECT_EQ(editor.Filenameedit.text(), "a.mp3");
            editor.Songnameedit.setText("New");
            point.arm(fs());
            editor.okbutt.click();
            EXPECT_TRUE(editor.visible());  // the typing is not lost: OK can be pressed again
            expectKept(fs(), errorsSince(shown), point, index, before, listing);
            fs().clearFaults();
            editor.okbutt.click();
        });
        main().IndexEdit1.click();
        EXPECT_FALSE(indexEditor().visible());
        EXPECT_EQ(fs().fileBytes(index), crlf({"a.mp3", "New", "X", "1:00"}));
    }
}

TEST_F(FaultSweep, PlaylistWrittenByPlay) {
    const std::string playlist = "C:\\ZELVIO\\mpzelv.m3u";
    startWith("C:\\WAVES", 0);
    if (main().sortmenu.checked()) main().sortmenu.click();
    for (const FailurePoint& point : failurePoints(playlist, 2)) {
        SCOPED_TRACE(point.name);
        fs().putFile(playlist, "old.mp3\r\n");
        const Texts listing = namesBeside(fs(), playlist);
        const std::size_t shown = boxes().size();
        const std::size_t started = headless.launcher.starts().size();
        main().mpsonglist.choose({0, 1});
        point.arm(fs());
        main().mp3play.click();
        expectKept(fs(), errorsSince(shown), point, playlist, "old.mp3\r\n", listing);
        EXPECT_EQ(headless.launcher.starts().size(), started);  // the player never gets the old list

        fs().clearFaults();
        main().mp3play.click();
        EXPECT_EQ(fs().fileBytes(playlist), crlf({"a.mp3", "b.mp3"}));
        EXPECT_EQ(headless.launcher.starts().size(), started + 1);
    }
}

TEST_F(FaultSweep, VoiceTemplateWrittenByRecord) {
    const std::string voice = "C:\\ZELVIO\\voice.wav";
    startWith("C:\\WAVES", 0);
    for (const FailurePoint& point : failurePoints(voice, 1)) {
        SCOPED_TRACE(point.name);
        main().Voicebutt.click();
        const VoiceRecorderView recorder = this->recorder();
        const Texts listing = namesBeside(fs(), voice);
        const std::size_t shown = boxes().size();
        point.arm(fs());
        recorder.recordvoicebutt.click();
        expectKept(fs(), errorsSince(shown), point, voice, std::nullopt, listing);
        EXPECT_TRUE(recorder.recordvoicebutt.enabled());
        EXPECT_FALSE(recorder.Stopvoicebutt.enabled());

        fs().clearFaults();
        recorder.recordvoicebutt.click();
        EXPECT_EQ(fs().fileBytes(voice), WaveTemplate());
        EXPECT_TRUE(recorder.Stopvoicebutt.enabled());
        recorder.Stopvoicebutt.click();
        recorder.okbutt.click();
        EXPECT_EQ(namesBeside(fs(), voice), listing);
    }
}

TEST_F(FaultSweep, CaptureTemplateWrittenByEncodeNow) {
    const std::string temp = "C:\\ZELVIO\\temp.wav";
    startWith("D:\\", 1);
    for (const FailurePoint& point : failurePoints(temp, 1)) {
        SCOPED_TRACE(point.name);
        const Texts listing = namesBeside(fs(), temp);
        const std::size_t shown = boxes().size();
        const std::size_t runs = headless.launcher.watched().size();
        main().recfilelist.choose({0});
        toolkit().answerMessageBox(MessageResult::Yes);
        toolkit().whenShownModally("TIndexdata", [&](Form&) {
            const IndexDataView& dialog = indexData();
            point.arm(fs());
            dialog.compresnow.click();
            expectKept(fs(), errorsSince(shown), point, temp, std::nullopt, listing);
            EXPECT_EQ(headless.launcher.watched().size(), runs);  // no encoder ran
            EXPECT_TRUE(dialog.Okbutt.enabled());
            EXPECT_FALSE(dialog.stopbutt.visible());
            EXPECT_TRUE(information().donebutt.enabled());

            fs().clearFaults();
            dialog.compresnow.click();
            EXPECT_EQ(headless.launcher.watched().size(), runs + 1);
            dialog.Okbutt.click();
        });
        main().compilebutt.click();
        EXPECT_EQ(namesBeside(fs(), temp), listing);  // "Delete Temp Wav" is ticked
    }
}

// The install press writes the program, command.com and the first settings.
TEST(FaultSweepInstaller, EveryFileOfTheInstallPress) {
    const std::string program(2 * 4097 + 10, 'p');  // three blocks
    struct Target {
        const char* path;
        std::size_t units;
        std::string written;
    };
    for (const Target& target : {Target{"C:\\MPZELVIO\\mpzelvio.exe", 3, program},
                                 Target{"C:\\MPZELVIO\\command.com", 1, "MZ command"},
                                 Target{"C:\\MPZELVIO\\mpzelvio.cfg", 14, "ver 1.5\r\nC:\\PACKAGE\r\n"}}) {
        for (const FailurePoint& point : failurePoints(target.path, target.units)) {
            SCOPED_TRACE(std::string(target.path) + " " + point.name);
            HeadlessPlatform headless;
            HeadlessFileSystem& fs = headless.fs;
            fs.putFile("C:\\PACKAGE\\mpzelv._xe", program);
            fs.putFile("C:\\PACKAGE\\command.com", "MZ command");
            for (const char* name : {"mpzelvio.exe", "command.com", "mpzelvio.cfg"}) {
                fs.putFile(std::string("C:\\MPZELVIO\\") + name, std::string("old ") + name);
            }
            const Texts listing = namesBeside(fs, target.path);
            fs.changeDirectory("C:\\PACKAGE");
            headless.dde.serve("Progman", {"Progman"});
            InstallerProgram installer(headless.platform());
            const InstallWindowView form(findWindow(installer.app(), "TInstallForm"));
            const auto page = [&] { return dynamic_cast<const TInstallForm&>(form.window).page(); };
            installer.run();
            form.nextbutt.click();
            form.nextbutt.click();
            form.directory.setDirectory("C:\\");
            point.arm(fs);
            form.nextbutt.click();
            EXPECT_EQ(page(), 2);  // the page stays for another press
            Texts errors;
            for (const auto& box : headless.toolkit.messageBoxes()) errors.push_back(box.text);
            // Refused access is told with what to do about it.
            const std::string advice = " Installing in C:\\ needs administrator rights: start install.exe from a "
                                       "command prompt opened with \"Run as administrator\", or choose a directory "
                                       "of your own.";
            if (point.error == accessDenied && !errors.empty() && errors[0].ends_with(advice)) {
                errors[0].erase(errors[0].size() - advice.size());
            }
            expectKept(fs, errors, point, target.path, "old " + std::string(target.path).substr(12), listing);

            fs.clearFaults();
            form.nextbutt.click();
            EXPECT_EQ(page(), 3);
            EXPECT_TRUE(fs.fileBytes(target.path).starts_with(target.written));
            EXPECT_EQ(namesBeside(fs, target.path), listing);
            expectNoToolkitProblems(headless.toolkit);
        }
    }
}

}  // namespace
}  // namespace zelvio
