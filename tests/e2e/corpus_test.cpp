// The test corpus (tests/corpus/) in the real program: other projects' MP3
// files in the song list, and their waves, broken ones among them, played
// one by one from the wave pane, with a wave of MP3 audio as FFmpeg writes
// it. Each wave plays or is refused with an error box; none brings the
// program down.

#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/utf8.h"
#include "tests/unit/wave_header.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>

namespace zelvio::e2e {
namespace {

constexpr const char* kMainCaption = "Mp3 Zelvio V 0.93";
constexpr const char* kErrorCaption = "Mp3 Zelvio";
constexpr const char* kFfmpegWave = "ffmpeg-mp3.wav";

// The source tree as Wine shows it: the Linux root is drive Z:.
std::string corpusDirectory(const std::string& folder) {
    std::string path = "Z:" ZELVIO_SOURCE_DIR "/tests/corpus/" + folder;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// The names of the directory's files that match the mask, in the system's order.
std::vector<std::string> filesIn(const std::string& directory, const std::string& mask) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(toWide(directory + "\\" + mask).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) throw DriverError("nothing matches " + directory + "\\" + mask);
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(toUtf8(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Dialog boxes on the screen, of any program, captioned otherwise than the
// program's error boxes: another box of the program, or the system's report
// of a program that crashed.
std::vector<std::string> otherBoxes() {
    std::vector<std::string> captions;
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            if (IsWindowVisible(window) && windowClass(window) == "#32770" && windowCaption(window) != kErrorCaption) {
                reinterpret_cast<std::vector<std::string>*>(found)->push_back(windowCaption(window));
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&captions));
    return captions;
}

class CorpusTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.createDirectory("mp3");
        dir.createDirectory("waves");
        struct Copy {
            const char* folder;
            const char* mask;
            const char* into;
        };
        for (const Copy& copy : {Copy{"tags", "*.mp3", "mp3"}, Copy{"waves", "*.wav", "waves"}}) {
            for (const std::string& name : filesIn(corpusDirectory(copy.folder), copy.mask)) {
                const std::string from = corpusDirectory(copy.folder) + "\\" + name;
                const std::string to = dir.pathOf(std::string(copy.into) + "\\" + name);
                ASSERT_TRUE(CopyFileW(toWide(from).c_str(), toWide(to).c_str(), FALSE)) << from;
            }
        }
        // Frames of MPEG audio, without tags, from the corpus.
        dir.writeFile(std::string("waves\\") + kFfmpegWave,
                      ffmpegMp3Wave(readFileAt(corpusDirectory("tags") + "\\no-tags.mp3")));
        dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.pathOf("waves"), dir.pathOf("mp3"), "", "", "-hq", "0",
                                                 "", "", "", "100", "80", "640", "482"}));
        program = std::make_unique<TestProcess>(programBeside("mpzelvio.exe"), dir.path());
        mainWindow = waitForWindow(*program, kMainCaption);
    }
    // Play, Stop, Back, Fwd as "PSBF", a "-" for each one disabled.
    std::string buttons() {
        std::string states;
        for (const char* name : {"recplay", "recstop", "recback", "recfwd"}) {
            states += isEnabled(findControl(mainWindow, name)) ? name[3] - 32 : '-';
        }
        return states;
    }
    // Fails the test when the program is gone or another box is up.
    void expectAlive(const std::string& during) {
        ASSERT_TRUE(program->running()) << "the program ended while playing " << during;
        const auto others = otherBoxes();
        ASSERT_TRUE(others.empty()) << "a box \"" << others.front() << "\" came while playing " << during << "; "
                                    << describeWindows(program->id());
    }
    // Plays the wave at `item` alone, to its end; the text of the error box
    // that came instead, answered, or none.
    std::optional<std::string> play(HWND waves, int item, const std::string& name) {
        selectItems(waves, {item});
        if (!pollUntil([&] { return selectedItems(waves) == std::vector<int>{item}; }, kDefaultTimeout))
            throw DriverError("cannot select " + name);
        click(findControl(mainWindow, "recplay"));
        std::optional<std::string> refusal;
        bool started = false;
        // A wave of a tenth of a second may come and go between two looks.
        const auto surelyStarted = std::chrono::steady_clock::now() + Milliseconds(2000);
        // The longest corpus wave lasts under four seconds.
        const bool settled = pollUntil(
            [&] {
                if (!program->running() || !otherBoxes().empty()) return true;
                if (const auto box = findMessageBox(*program, kErrorCaption)) {
                    const MessageBoxView view = readMessageBox(*box);
                    pressButton(view.window, "OK");
                    refusal = refusal ? *refusal + " / " + view.text : view.text;
                }
                const std::string states = buttons();
                started = started || states != "P---" || std::chrono::steady_clock::now() > surelyStarted;
                return (started || refusal) && states == "P---";
            },
            Milliseconds(15000));
        expectAlive(name);
        if (!settled) ADD_FAILURE() << name << " neither ended nor was refused; buttons " << buttons();
        return refusal;
    }

    WorkDirectory dir;
    std::unique_ptr<TestProcess> program;
    HWND mainWindow = nullptr;
};

TEST_F(CorpusTest, EveryMp3IsListedAndEveryWavePlaysOrIsRefusedWithoutACrash) {
    const HWND songs = findControl(mainWindow, "mpsonglist");
    const std::size_t mp3Count = filesIn(corpusDirectory("tags"), "*.mp3").size();
    ASSERT_EQ(mp3Count, 45u);
    EXPECT_TRUE(pollUntil([&] { return static_cast<std::size_t>(listCount(songs)) == mp3Count; }, kDefaultTimeout))
        << listCount(songs) << " rows";

    const HWND waves = findControl(mainWindow, "recfilelist");
    const std::vector<std::string> names = listItems(waves);
    ASSERT_EQ(names.size(), filesIn(corpusDirectory("waves"), "*.wav").size() + 1);
    std::map<std::string, std::optional<std::string>> outcomes;
    for (int item = 0; item < static_cast<int>(names.size()); ++item) {
        outcomes[names[item]] = play(waves, item, names[item]);
        if (HasFatalFailure()) return;
        std::cout << names[item] << ": " << outcomes[names[item]].value_or("played") << "\n";
    }
    // Ours name the file; the device's own refusals name none.
    for (const char* refused : {kFfmpegWave, "taglib-rf64.wav", "taglib-segfault.wav"}) {
        const auto outcome = outcomes[refused];
        ASSERT_TRUE(outcome.has_value()) << refused << " was played";
        EXPECT_NE(outcome->find("\"" + dir.pathOf(std::string("waves\\") + refused) + "\""), std::string::npos)
            << *outcome;
    }

    // Still there for the user, and it ends as always.
    EXPECT_EQ(static_cast<std::size_t>(listCount(songs)), mp3Count);
    EXPECT_EQ(buttons(), "P---");
    pressCloseBox(mainWindow);
    EXPECT_EQ(program->waitForExit(), 0u);
}

}  // namespace
}  // namespace zelvio::e2e
