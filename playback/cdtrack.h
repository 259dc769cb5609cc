#pragma once
// Which CD track a line of the wave pane stands for in CD mode.

#include <cstddef>
#include <string>

namespace zelvio {

// "TrackNN.cda" (letter case aside) is track NN; any other name is the track
// at its row, counted from 1, as other files listed before the tracks would
// otherwise shift them.
int cdTrackNumber(const std::string& name, std::size_t row);

}  // namespace zelvio
