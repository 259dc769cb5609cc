#pragma once
// The program group in the Start Menu, made by asking the shell's Program
// Manager over dynamic data exchange.

#include <string>

namespace zelvio {

class DdeClient;
class ProgramLauncher;

// The installer's conversation with Program Manager: opened when the
// installer's window is made, used and closed by CreateProgramGroup.
class ProgramManagerLink {
public:
    ProgramManagerLink(DdeClient& dde, ProgramLauncher& launcher) : dde_(dde), launcher_(launcher) {}

    // At window creation: opens the link to "ProgMan". When that fails the
    // names are emptied, so that no later attempt is made.
    void openAtCreation();
    // Opens the link unless it is open or has no names: the empty topic,
    // then "PROGMAN" (the only topic the current shells answer), then once
    // more both after one attempt to start Program Manager. True when it
    // opened the link in this call.
    bool open();
    bool isOpen() const { return open_; }
    // Hands a command over without waiting for it; false when it could not.
    bool send(const std::string& command);
    // Disconnects and empties the names.
    void close();

private:
    bool connect();

    DdeClient& dde_;
    ProgramLauncher& launcher_;
    std::string service_;
    bool named_ = false;  // the names are set ("ProgMan" and the empty topic)
    bool open_ = false;
};

// The command's argument as Program Manager reads it: in double quotes when
// it holds a comma or a parenthesis, which would end it otherwise.
std::string programManagerArgument(const std::string& text);

// Which of Program Manager's two commands were handed over.
struct ProgramGroupOutcome {
    bool groupCreated = false;
    bool itemCreated = false;
};

// Creates the group "Mp3 Zelvio" holding one item that starts
// installdir\mpzelvio.exe; both commands are always tried.
ProgramGroupOutcome CreateProgramGroup(ProgramManagerLink& link, const std::string& installdir);

}  // namespace zelvio
