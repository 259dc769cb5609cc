#pragma once
// A text file written line by line through a buffer, with every failure of
// the system reported.

#include "common/filesystem.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace zelvio {

// Also writes raw blocks, for files of bytes.
class Win32LineWriter : public LineWriter, public ByteWriter {
public:
    // Takes over an open file handle.
    Win32LineWriter(HANDLE file, TextEncoding encoding) : file_(file), encoding_(encoding) {}
    // Writes what is buffered and closes the handle, quietly: a caller that
    // wants to know whether the file is complete calls close().
    ~Win32LineWriter() override;
    Win32LineWriter(const Win32LineWriter&) = delete;
    Win32LineWriter& operator=(const Win32LineWriter&) = delete;

    void writeLine(std::string_view line) override;
    void write(std::string_view bytes) override;
    void close() override;

private:
    // Writes the buffer out; false (with failure_ set) when the system refused.
    bool flush();

    HANDLE file_;
    TextEncoding encoding_;
    std::string buffer_;
    // Once a write failed, the file is incomplete and every later call says so.
    std::optional<std::string> failure_;
};

}  // namespace zelvio
