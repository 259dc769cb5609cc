#include "platform/win32/win32_line_writer.h"

#include "common/errors.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_unicode.h"

#include <algorithm>
#include <stdexcept>

namespace zelvio {

namespace {
constexpr std::size_t flushThreshold = 64 * 1024;
constexpr std::size_t largestWrite = 1024 * 1024;
}  // namespace

Win32LineWriter::~Win32LineWriter() {
    if (file_ == INVALID_HANDLE_VALUE) return;
    try {
        if (!failure_) flush();
    } catch (...) {
        // Nothing may leave a destructor; close() is the way to hear of failures.
    }
    CloseHandle(file_);
}

void Win32LineWriter::writeLine(std::string_view line) {
    write(encoding_ == TextEncoding::Ansi ? ansiFromUtf8(line) + "\r\n" : std::string(line) + "\r\n");
}

void Win32LineWriter::write(std::string_view bytes) {
    if (failure_) throw InOutError(*failure_);
    if (file_ == INVALID_HANDLE_VALUE) throw std::logic_error("writing to a closed file");
    buffer_.append(bytes);
    if (buffer_.size() >= flushThreshold && !flush()) throw InOutError(*failure_);
}

void Win32LineWriter::close() {
    if (file_ != INVALID_HANDLE_VALUE) {
        if (!failure_) flush();
        if (!CloseHandle(file_) && !failure_) failure_ = systemErrorText(GetLastError());
        file_ = INVALID_HANDLE_VALUE;
    }
    if (failure_) throw InOutError(*failure_);
}

bool Win32LineWriter::flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min(buffer_.size() - done, largestWrite));
        DWORD written = 0;
        if (!WriteFile(file_, buffer_.data() + done, chunk, &written, nullptr)) {
            failure_ = systemErrorText(GetLastError());
            return false;
        }
        if (written != chunk) {
            // A file takes all it is given unless the disk has run out of room.
            failure_ = systemErrorText(ERROR_DISK_FULL);
            return false;
        }
        done += written;
    }
    buffer_.clear();
    return true;
}

}  // namespace zelvio
