#pragma once
// The three kinds of error that end a handler and reach the application's
// exception handler.

#include <stdexcept>
#include <string>

namespace zelvio {

// A failed file system operation, carrying the system's message text.
class InOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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
