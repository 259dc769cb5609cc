#pragma once
// The system's message texts for Win32 error codes, as the program shows them.

#include "common/errors.h"

#include <string>

namespace zelvio {

// The system's text for an error code, without its trailing "." and line end
// (the application's error handler adds its own ".").
std::string systemErrorText(unsigned long code);

// An InOutError with the text of the calling thread's last error. Call it
// straight after the failing function, before anything can change that error.
InOutError lastSystemError();

}  // namespace zelvio
