#include "install/programgroup.h"

#include "platform/dde.h"
#include "platform/launcher.h"

#include <array>

namespace zelvio {

namespace {

const char* const service = "ProgMan";
const char* const groupName = "Mp3 Zelvio";
constexpr int showMinimisedNotActive = 7;  // SW_SHOWMINNOACTIVE
constexpr unsigned firstGoodStart = 32;    // WinExec's results below it are failures

}  // namespace

void ProgramManagerLink::openAtCreation() {
    close();
    service_ = service;
    named_ = true;
    if (!open()) close();
}

bool ProgramManagerLink::connect() {
    // The empty topic is Program Manager's old one; today's shells answer "PROGMAN".
    const std::array<const char*, 2> topics{"", "PROGMAN"};
    for (const char* topic : topics) {
        if (dde_.connect(service_, topic)) return true;
    }
    return false;
}

bool ProgramManagerLink::open() {
    if (open_ || !named_) return false;
    open_ = connect();
    if (!open_ && launcher_.startDetached(service_ + " ", showMinimisedNotActive, {}) >= firstGoodStart) {
        open_ = connect();
    }
    return open_;
}

bool ProgramManagerLink::send(const std::string& command) {
    if (!open_) return false;
    return dde_.execute(command);
}

void ProgramManagerLink::close() {
    if (open_) dde_.disconnect();
    open_ = false;
    named_ = false;
    service_.clear();
}

std::string programManagerArgument(const std::string& text) {
    if (text.find_first_of(",()") == std::string::npos) return text;
    return "\"" + text + "\"";
}

ProgramGroupOutcome CreateProgramGroup(ProgramManagerLink& link, const std::string& installdir) {
    const std::string createGroup = "[CreateGroup(" + std::string(groupName) + ")]\r\n";
    link.open();
    ProgramGroupOutcome outcome;
    outcome.groupCreated = link.send(createGroup);
    // The item names its program's directory as its working directory, with
    // the program's own icon and a place of Program Manager's choosing
    // (-1,-1) on the way: the program reads its settings from the directory
    // it starts in, and a shortcut without one starts it elsewhere.
    const std::string program = programManagerArgument(installdir + "\\mpzelvio.exe");
    const std::string addItem = "[AddItem(" + program + "," + groupName + "," + program + ",0,-1,-1," +
                                programManagerArgument(installdir) + ")]\r\n";
    outcome.itemCreated = link.send(addItem);
    link.close();
    return outcome;
}

}  // namespace zelvio
