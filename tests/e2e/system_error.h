#pragma once
// The system's text for the last error, for driver messages.

#include <string>

namespace zelvio::e2e {

// "text (code N)" for GetLastError().
std::string lastErrorText();

}  // namespace zelvio::e2e
