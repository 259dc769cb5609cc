#pragma once
// The main window's layout table and the sizes its resize rule keeps.

#include "platform/layout.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zelvio::mainlayout {

// The right-hand column of a pane: drive box, directory list, filter box.
inline constexpr int columnWidth = 121;
inline constexpr int driveBoxHeight = 21;
inline constexpr int filterBoxHeight = 23;
inline constexpr int listLeft = 64;

FormDesign design();
std::vector<ControlDesign> controls();
// The design name of the head of the song list's column (from 0).
std::string songHead(std::size_t column);

}  // namespace zelvio::mainlayout
