#pragma once
// The three kinds of error that end a handler and reach the application's
// exception handler.

#include <stdexcept>
#include <string>

namespace zelvio {

// A failed file system operation, carrying the system's message text.
class InOutError : public std::runtime_error {
public:
    explicit InOutError(const std::string& text, bool accessDenied = false)
        : std::runtime_error(text), accessDenied_(accessDenied) {}
    // The system refused for want of rights, which another user (an
    // administrator) might have.
    bool accessDenied() const { return accessDenied_; }

private:
    bool accessDenied_;
};

// A text that should have been a whole number.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text);
};

// A failed media device command, carrying the device's error text.
class MediaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zelvio
