#include "tests/e2e/test_process.h"

#include "tests/e2e/call_limit.h"
#include "tests/e2e/driver_error.h"
#include "tests/e2e/system_error.h"

#include <vector>

namespace zelvio::e2e {

std::string programBeside(const std::string& fileName) {
    char self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string directory(self, length);
    directory.erase(directory.find_last_of('\\') + 1);
    const std::string path = directory + fileName;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        throw DriverError(fileName + " is not beside the test program in " + directory + ": build it first");
    return path;
}

static std::string fileNameOf(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

TestProcess::TestProcess(const std::string& program, const std::string& workDirectory, const std::string& arguments) {
    // The job lets kill() end the programs this one starts, too.
    job_ = CreateJobObjectA(nullptr, nullptr);
    if (!job_) throw DriverError("cannot create a job object: " + lastErrorText());
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);

    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    PROCESS_INFORMATION info = {};
    try {
        info = withinLimit(
            "start", [commandLine] { return commandLine; },
            [program, commandLine, workDirectory] {
                std::vector<char> writable(commandLine.begin(), commandLine.end());
                writable.push_back('\0');
                STARTUPINFOA startup = {};
                startup.cb = sizeof startup;
                PROCESS_INFORMATION started = {};
                if (!CreateProcessA(program.c_str(), writable.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                                    nullptr, workDirectory.c_str(), &startup, &started))
                    throw DriverError("cannot start " + commandLine + " in " + workDirectory + ": " + lastErrorText());
                return started;
            });
    } catch (...) {
        CloseHandle(job_);
        throw;
    }
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    label_ = fileNameOf(program) + " (pid " + std::to_string(id_) + ")";
    if (!AssignProcessToJobObject(job_, process_)) {
        const std::string reason = lastErrorText();
        TerminateProcess(process_, 1);
        CloseHandle(info.hThread);
        CloseHandle(process_);
        CloseHandle(job_);
        throw DriverError("cannot put " + label_ + " into a job: " + reason);
    }
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
}

TestProcess::~TestProcess() {
    kill();
    CloseHandle(process_);
    CloseHandle(job_);
}

bool TestProcess::running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

DWORD TestProcess::waitForExit(Milliseconds timeout) {
    const auto wait = [process = process_, label = label_, timeout] {
        if (WaitForSingleObject(process, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
            throw DriverError(label + " still runs " + std::to_string(timeout.count()) + " ms later");
        DWORD code = 0;
        GetExitCodeProcess(process, &code);
        return code;
    };
    return withinLimit("waitForExit", nameOf(*this), wait, timeout + kCallLimit);
}

void TestProcess::kill() {
    TerminateJobObject(job_, 1);
    WaitForSingleObject(process_, 5000);
}

}  // namespace zelvio::e2e
