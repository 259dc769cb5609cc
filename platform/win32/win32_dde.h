#pragma once
// DDE conversations through the DDE management library, registered once
// when the program starts.

#include "platform/dde.h"

#include <windows.h>
#include <ddeml.h>

namespace zelvio {

class Win32Dde : public DdeClient {
public:
    Win32Dde();
    ~Win32Dde() override;
    Win32Dde(const Win32Dde&) = delete;
    Win32Dde& operator=(const Win32Dde&) = delete;

    bool connect(const std::string& service, const std::string& topic) override;
    bool execute(const std::string& command) override;
    void disconnect() override;

private:
    DWORD instance_ = 0;
    HCONV conversation_ = nullptr;
    HSZ service_ = nullptr;
    HSZ topic_ = nullptr;
};

}  // namespace zelvio
