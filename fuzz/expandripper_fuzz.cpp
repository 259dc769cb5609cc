// The ripper's command from the settings, expanded by a CD batch: literal
// text passes unchanged, each "%" letter becomes its value or nothing.

#include "common/textencoding.h"
#include "fuzz_check.h"
#include "platform/headless/headless_platform.h"
#include "playback/mpzelvio.h"
#include "shell/mainprogram.h"
#include "songindex/zelvioindex.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <map>

using namespace zelvio;
using namespace std::chrono_literals;

namespace {

// An MP3 directory to expand %M into, and what %M gives for it.
struct Mp3Directory {
    const char* path;
    const char* shortName;  // null: none
    const char* expanded;
};
const Mp3Directory mp3Directories[] = {
    {"C:\\MUSIC", nullptr, "C:\\MUSIC"},
    {"C:\\Mp3 Collection", "MP3COL~1", "C:\\MP3COL~1"},
    {"C:\\My Songs", nullptr, "\"C:\\My Songs\""},
};

const std::string ripper = "C:\\RIP\\DAC.EXE";

// What the command should become with these values.
std::string expected(const std::string& command, const std::map<char, std::string>& values) {
    std::string result;
    for (std::size_t i = 0; i < command.size(); ++i) {
        if (command[i] != '%') {
            result += command[i];
        } else if (++i < command.size()) {
            const auto value = values.find(command[i]);
            if (value != values.end()) result += value->second;
        }
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const Mp3Directory& mp3 = input.PickValueInArray(mp3Directories);
    const std::string line = input.ConsumeRemainingBytesAsString();
    if (line.find_first_of("\r\n") != std::string::npos) return 0;  // one line of the settings file

    HeadlessPlatform headless;
    HeadlessFileSystem& fs = headless.fs;
    fs.makeDirectories("C:\\ZELVIO");
    fs.makeDirectories(mp3.path);
    if (mp3.shortName) fs.setShortName(mp3.path, mp3.shortName);
    fs.changeDirectory("C:\\ZELVIO");
    fs.addDrive('D');
    fs.putFile("D:\\Track01.cda", "");
    headless.media.insertCd({2s});
    std::string settings;
    for (const std::string setting : {"ver 1.3", "D:\\", mp3.path, "C:\\L3ENC\\L3ENC.EXE", "", "-hq", "1", ripper.c_str()}) {
        settings += setting + "\r\n";
    }
    fs.putFile("C:\\ZELVIO\\mpzelvio.cfg", settings + line + "\r\n");

    MainProgram program(headless.platform());
    TForm1& main = *program.Form1;
    // A file in the ANSI code page reads as UTF-8, so the command may differ from the line.
    const std::string command = main.settings.rippercommand;
    if (isValidUtf8(line)) FUZZ_CHECK(command == line);
    main.recfilelist.choose({0});
    headless.toolkit.answerMessageBox(MessageResult::Yes);
    headless.toolkit.whenShownModally("TIndexdata", [&](Form&) {
        TIndexdata& dialog = *program.Indexdata;
        dialog.RipCdCheck.click();
        dialog.compresnow.click();
        dialog.Okbutt.click();
    });
    main.compilebutt.click();

    FUZZ_CHECK(!headless.launcher.watched().empty());
    const std::string& commandLine = headless.launcher.watched().front().commandLine;
    const std::string start = "command.com /c " + ripper + " ";
    FUZZ_CHECK(commandLine.starts_with(start));
    const std::map<char, std::string> values = {
        {'M', mp3.expanded}, {'O', "C:\\ZELVIO\\temp.wav"}, {'R', "D:\\"}, {'T', "1"}, {'W', "C:\\ZELVIO\\"}};
    FUZZ_CHECK(commandLine.substr(start.size()) == expected(command, values));
    return 0;
}
