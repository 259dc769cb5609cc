#pragma once
// Every wave file a device is to play is checked first: some decoders do not
// refuse a header they cannot handle but bring the whole program down (Wine's
// MP3 decoder divides by 0 average bytes per second, as FFmpeg writes it for
// MP3 audio). What no device can play sanely is refused here, with a text that
// names the file; compressed formats stay the device's to judge.

#include <string>

namespace zelvio {

class FileSystem;

// Raises MediaError saying what is wrong with the file's header. A file that
// is not there is the device's to report, in its own words.
void requirePlayableWave(FileSystem& fs, const std::string& path);

}  // namespace zelvio
