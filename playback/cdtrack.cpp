#include "playback/cdtrack.h"

#include "songindex/indexname.h"

namespace zelvio {

int cdTrackNumber(const std::string& name, std::size_t row) {
    const std::string folded = foldindexname(name);
    const bool trackName = folded.size() == 11 && folded.starts_with("track") && folded.ends_with(".cda") &&
                           folded[5] >= '0' && folded[5] <= '9' && folded[6] >= '0' && folded[6] <= '9';
    if (trackName) {
        const int track = (folded[5] - '0') * 10 + (folded[6] - '0');
        if (track > 0) return track;
    }
    return static_cast<int>(row) + 1;
}

}  // namespace zelvio
