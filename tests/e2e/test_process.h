#pragma once
// A program under test: started in a working directory of the test's own,
// and ended, with every program it started, when the test ends.

#include "tests/e2e/polling.h"

#include <windows.h>

#include <functional>
#include <string>

namespace zelvio::e2e {

// The full path of a program built beside this test program.
std::string programBeside(const std::string& fileName);

class TestProcess {
public:
    // Starts `program` (a full path) with `arguments` in `workDirectory`.
    TestProcess(const std::string& program, const std::string& workDirectory, const std::string& arguments = "");
    ~TestProcess();
    TestProcess(const TestProcess&) = delete;
    TestProcess& operator=(const TestProcess&) = delete;

    DWORD id() const { return id_; }
    HANDLE handle() const { return process_; }
    // "name.exe (pid N)", for messages.
    const std::string& label() const { return label_; }

    bool running() const;
    // Waits for the program to end and returns its exit code; fails when it
    // still runs after `timeout`.
    DWORD waitForExit(Milliseconds timeout = kDefaultTimeout);
    // Ends the program and everything it started.
    void kill();

private:
    std::string label_;
    HANDLE process_ = nullptr;
    HANDLE job_ = nullptr;
    DWORD id_ = 0;
};

// Names the program in the failure of a driver call that waited on it.
inline std::function<std::string()> nameOf(const TestProcess& process) {
    return [label = process.label()] { return label; };
}

}  // namespace zelvio::e2e
