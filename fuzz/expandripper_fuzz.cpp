// The ripper's command text, expanded for a CD track: literal text passes
// unchanged, each "%" letter becomes its value or nothing.

#include "encoding/encoderline.h"
#include "fuzz_check.h"
#include "platform/headless/headless_filesystem.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <map>

using namespace zelvio;

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
    const std::string command = input.ConsumeRemainingBytesAsString();

    HeadlessFileSystem fs;
    fs.makeDirectories("C:\\ZELVIO");
    fs.makeDirectories(mp3.path);
    if (mp3.shortName) fs.setShortName(mp3.path, mp3.shortName);
    fs.addDrive('D');
    const RipperPlaces places{.mp3Directory = mp3.path,
                              .tempwave = "C:\\ZELVIO\\temp.wav",
                              .waveDirectory = "D:\\",
                              .workdir = "C:\\ZELVIO"};
    const std::map<char, std::string> values = {
        {'M', mp3.expanded}, {'O', "C:\\ZELVIO\\temp.wav"}, {'R', "D:\\"}, {'T', "7"}, {'W', "C:\\ZELVIO\\"}};
    FUZZ_CHECK(expandripper(fs, command, places, 7) == expected(command, values));
    return 0;
}
