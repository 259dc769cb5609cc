#include "encoding/encoderline.h"

#include "common/paths.h"
#include "common/settings.h"
#include "programs/commandline.h"

namespace zelvio {

std::string encoderCommandLine(FileSystem& fs, const Settings& settings, const std::string& input,
                               const std::string& output) {
    return "command.com /c " + commandArgument(ShortPath(fs, settings.encoderpath)) + " " + commandArgument(input) +
           " " + commandArgument(output) + " " + settings.encodeflags;
}

std::string expandripper(FileSystem& fs, const std::string& command, const RipperPlaces& places, int track) {
    std::string expanded;
    for (std::size_t i = 0; i < command.size(); ++i) {
        if (command[i] != '%') {
            expanded += command[i];
            continue;
        }
        if (++i == command.size()) break;  // a "%" at the very end is dropped
        switch (command[i]) {
            case 'M':
                expanded += commandArgument(ShortPath(fs, places.mp3Directory));
                break;
            case 'O':
                expanded += commandArgument(ShortPath(fs, places.tempwave));
                break;
            case 'R':
                expanded += commandArgument(ShortPath(fs, places.waveDirectory));
                break;
            case 'T':
                expanded += std::to_string(track);
                break;
            case 'W':
                expanded += commandArgument(AddBackslash(ShortPath(fs, places.workdir)));
                break;
            default:
                break;  // any other letter goes, with its "%"
        }
    }
    return expanded;
}

}  // namespace zelvio
