#include "tests/e2e/held_file.h"

#include "tests/e2e/driver_error.h"
#include "tests/e2e/system_error.h"
#include "tests/e2e/utf8.h"

namespace zelvio::e2e {

namespace {

// The name of a new event for the holder to set once it holds its file.
std::string newEventName() {
    static int counter = 0;
    return "Local\\zelvio-e2e-held-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

bool openable(const std::string& path) {
    const DWORD anySharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE file = CreateFileW(toWide(path).c_str(), GENERIC_READ, anySharing, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace

HeldFile::HeldFile(const std::string& path) : path_(path) {
    const std::string eventName = newEventName();
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    if (!held) throw DriverError("cannot create the event " + eventName + ": " + lastErrorText());
    const std::string holder = programBeside("file_holder.exe");
    holder_.emplace(holder, holder.substr(0, holder.find_last_of('\\')), "\"" + path + "\" " + eventName);
    const HANDLE either[] = {held, holder_->handle()};
    const DWORD woke = WaitForMultipleObjects(2, either, FALSE, static_cast<DWORD>(kStartTimeout.count()));
    CloseHandle(held);
    if (woke == WAIT_OBJECT_0) return;
    if (woke == WAIT_OBJECT_0 + 1) {
        throw DriverError(holder_->label() + " could not open " + path + ": exit code " +
                          std::to_string(holder_->waitForExit()));
    }
    throw DriverError(holder_->label() + " has not opened " + path + " after " +
                      std::to_string(kStartTimeout.count()) + " ms");
}

void HeldFile::release() {
    holder_.reset();
    // A program that has just been ended may hold its files a moment longer.
    if (!pollUntil([&] { return openable(path_); }, kDefaultTimeout))
        throw DriverError(path_ + " cannot be opened after its holder ended: " + lastErrorText());
}

std::string systemMessage(DWORD code) {
    wchar_t buffer[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                                  512, nullptr);
    while (length > 0 && (buffer[length - 1] <= L' ' || buffer[length - 1] == L'.')) --length;
    if (length == 0) throw DriverError("the system has no text for error " + std::to_string(code));
    return toUtf8(std::wstring_view(buffer, length)) + ".";
}

}  // namespace zelvio::e2e
