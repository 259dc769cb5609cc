#pragma once
// Line readers and writers over the headless file system's bytes.

#include "common/filesystem.h"
#include "platform/headless/headless_filesystem.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace zelvio {

// Reads lines from a copy of the bytes taken when the file was opened.
std::unique_ptr<LineReader> makeHeadlessReader(std::string bytes);

// Bytes from a copy taken when the file was opened.
std::unique_ptr<ByteReader> makeHeadlessByteReader(std::string bytes);

// Bytes through a line writer of the headless file system, which appends
// them as they come and fails as its faults say.
std::unique_ptr<ByteWriter> makeHeadlessByteWriter(std::unique_ptr<LineWriter> lines);

// Appends each line to the file as it is written. With `room` set, the disk
// takes that many lines: the next write fails, and so does the close.
std::unique_ptr<LineWriter> makeHeadlessWriter(std::shared_ptr<HeadlessFileSystem::Node> file,
                                               std::optional<std::size_t> room, TextEncoding encoding);

}  // namespace zelvio
