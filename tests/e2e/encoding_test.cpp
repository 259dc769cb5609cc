// Encoding on the real windows: the Encode command, the index data dialog,
// the batch through the command.com stand-in and a test encoder that records
// its arguments and writes the MP3 file, and Stop.

#include "common/waveheader.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/settings_file.h"
#include "tests/e2e/short_path_of.h"
#include "tests/e2e/utf8.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

namespace zelvio::e2e {
namespace {

// Whether a process of this file name runs now.
bool running(const wchar_t* fileName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry)) {
        found = lstrcmpiW(entry.szExeFile, fileName) == 0;
    }
    CloseHandle(snapshot);
    return found;
}

class EncodingTest : public ::testing::Test {
protected:
    // Two one-second waves, one named with a space, the test encoder as the
    // encoder, and the program started on them.
    void start(const std::string& encoder, const std::string& flags) {
        dir.createDirectory("waves");
        dir.createDirectory("music");
        for (const char* name : {"my song.wav", "take1.wav"}) {
            dir.writeFile(std::string("waves\\") + name, waveHeader(1, 8000, 8, 8000) + std::string(8000, '\x80'));
        }
        ASSERT_TRUE(CopyFileW(toWide(programBeside("test_encoder.exe")).c_str(),
                              toWide(dir.pathOf("encoder.exe")).c_str(), FALSE));
        dir.writeFile("mpzelvio.cfg", joinLines({"ver 1.5", dir.pathOf("waves"), dir.pathOf("music"), encoder, "",
                                                 flags, "0", "", "", "", "100", "80", "640", "482"}));
        program = std::make_unique<TestProcess>(programBeside("mpzelvio.exe"), dir.path());
        mainWindow = waitForWindow(*program, "Mp3 Zelvio V 0.93");
    }
    // Selects both waves, confirms, and returns the index data dialog.
    HWND openDialog() {
        const HWND waves = findControl(mainWindow, "recfilelist");
        selectItems(waves, {0, 1});
        EXPECT_TRUE(pollUntil([&] { return selectedItems(waves).size() == 2u; }, kDefaultTimeout))
            << selectedItems(waves).size() << " of " << listItems(waves).size() << " items selected";
        click(findControl(mainWindow, "compilebutt"));
        const MessageBoxView question = waitForMessageBox(*program, "Confirm");
        EXPECT_EQ(question.text, "Encode the selected 2 files?");
        pressButton(question.window, "&Yes");
        return waitForForm(*program, "TIndexdata");
    }
    // Presses "Encode Now" and waits until the batch is over.
    void encodeNow(HWND dialog) {
        click(findControl(dialog, "compresnow"));
        ASSERT_TRUE(pollUntil([&] { return isVisible(findControl(dialog, "stopbutt")); }, kDefaultTimeout));
        ASSERT_TRUE(pollUntil([&] { return !isVisible(findControl(dialog, "stopbutt")); }, Milliseconds(15000)));
    }
    std::vector<std::string> memoLines() {
        return splitLines(readText(findControl(waitForForm(*program, "Tcompressinfo"), "outputmemo")) + "\r\n");
    }

    WorkDirectory dir;
    std::unique_ptr<TestProcess> program;
    HWND mainWindow = nullptr;
};

TEST_F(EncodingTest, TwoWavesAreIndexedEncodedAndListedByTitle) {
    start(dir.pathOf("encoder.exe"), "-hq");
    const HWND dialog = openDialog();
    EXPECT_EQ(readText(findControl(dialog, "compressname")), "my song.mp3");
    typeText(findControl(dialog, "songedit"), "First Song");
    typeText(findControl(dialog, "Artistedit"), "The Band");
    typeText(findControl(dialog, "Lengthedit"), "0:01");
    click(findControl(dialog, "Button1"));
    ASSERT_TRUE(pollUntil([&] { return readText(findControl(dialog, "compressname")) == "take1.mp3"; },
                          kDefaultTimeout));
    typeText(findControl(dialog, "songedit"), "Second Song");
    click(findControl(dialog, "Button1"));
    click(findControl(dialog, "saveindex"));
    pressButton(waitForMessageBox(*program, "Confirm").window, "&Yes");
    ASSERT_TRUE(pollUntil([&] { return dir.exists("music\\index.dat"); }, kDefaultTimeout));
    EXPECT_EQ(dir.readFile("music\\index.dat"),
              joinLines({"my_song.mp3", "First Song", "The Band", "0:01", "take1.mp3", "Second Song", "", ""}));

    encodeNow(dialog);
    const std::string music = shortPathOf(dir.pathOf("music")) + "\\";
    const std::string encoder = shortPathOf(dir.pathOf("encoder.exe"));
    const std::vector<std::string> memo = memoLines();
    ASSERT_EQ(memo.size(), 2u) << readText(findControl(waitForForm(*program, "Tcompressinfo"), "outputmemo"));
    // "my song.wav" fits 8.3 as it is, blank and all: only quotes keep it one argument.
    EXPECT_EQ(memo[0], "Debug:command.com /c " + encoder + " \"" + shortPathOf(dir.pathOf("waves")) + "\\my song.wav\" " +
                           music + "my_song.mp3 -hq");
    EXPECT_EQ(memo[1], "Debug:command.com /c " + encoder + " " + shortPathOf(dir.pathOf("waves\\take1.wav")) + " " +
                           music + "take1.mp3 -hq");
    EXPECT_TRUE(dir.exists("music\\my_song.mp3"));
    EXPECT_TRUE(dir.exists("music\\take1.mp3"));
    // The encoder got each argument whole, the name with a space in one piece.
    EXPECT_EQ(splitLines(dir.readFile("encoder.log")).at(0), memo[0].substr(21));

    click(findControl(dialog, "Okbutt"));
    ASSERT_TRUE(waitUntilClosed(dialog));
    const HWND songs = findControl(mainWindow, "mpsonglist");
    EXPECT_TRUE(pollUntil([&] { return listItems(songs).size() == 2u; }, kDefaultTimeout));
    EXPECT_EQ(listItems(songs).at(1).substr(0, 11), "Second Song");
}

TEST_F(EncodingTest, StopEndsASlowEncoderAndItNeverFinishes) {
    // Long enough to be stopped midway, short enough that a run left going
    // would finish while the test still watches.
    constexpr Milliseconds encoderRun{3000};
    start(dir.pathOf("encoder.exe"), "--sleep=" + std::to_string(encoderRun.count()));
    const HWND dialog = openDialog();
    click(findControl(dialog, "compresnow"));
    ASSERT_TRUE(pollUntil([&] { return dir.exists("encoder.log"); }, kDefaultTimeout)) << "the encoder did not start";
    const auto encoderStarted = std::chrono::steady_clock::now();
    EXPECT_TRUE(running(L"encoder.exe"));
    click(findControl(dialog, "stopbutt"));
    ASSERT_TRUE(pollUntil([&] { return isEnabled(findControl(dialog, "Okbutt")); }, kDefaultTimeout));
    EXPECT_FALSE(isVisible(findControl(dialog, "stopbutt")));
    // The encoder that command.com started ends with it: it will never write its file.
    EXPECT_TRUE(pollUntil([] { return !running(L"encoder.exe"); }, kDefaultTimeout));
    const auto watch = encoderStarted + encoderRun + kQuietWatch - std::chrono::steady_clock::now();
    EXPECT_FALSE(pollUntil([&] { return dir.exists("music\\my_song.mp3"); },
                           std::chrono::duration_cast<Milliseconds>(watch)));
    EXPECT_EQ(splitLines(dir.readFile("encoder.log")).size(), 1u);  // the second file was never begun
}

TEST_F(EncodingTest, AnEncoderThatIsNotThereIsToldInTheOutput) {
    start(dir.pathOf("no such encoder.exe"), "-hq");
    encodeNow(openDialog());
    const std::vector<std::string> memo = memoLines();
    ASSERT_EQ(memo.size(), 6u);
    EXPECT_EQ(memo[1].substr(0, 36), "The encoder ended with exit code 2: ");
    EXPECT_EQ(memo[2], "No MP3 file was made: " + dir.pathOf("music\\my_song.mp3"));
}

}  // namespace
}  // namespace zelvio::e2e
