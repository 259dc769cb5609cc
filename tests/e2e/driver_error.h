#pragma once
// The one failure the end-to-end driver reports: what it looked for and what
// it saw instead. Tests let it escape, so GoogleTest prints the whole text.

#include <stdexcept>

namespace zelvio::e2e {

class DriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zelvio::e2e
