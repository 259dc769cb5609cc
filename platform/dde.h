#pragma once
// A client conversation of dynamic data exchange: the installer asks the
// shell's Program Manager for a program group through it. Names and
// commands travel in the ANSI code page (the paths sent are 8.3 forms).

#include <string>

namespace zelvio {

class DdeClient {
public:
    virtual ~DdeClient() = default;
    // Opens a conversation with the service on the topic, closing any open
    // one first; false when no server answers.
    virtual bool connect(const std::string& service, const std::string& topic) = 0;
    // Hands a command to the open conversation without waiting for the
    // server's answer; false when it could not be handed over.
    virtual bool execute(const std::string& command) = 0;
    virtual void disconnect() = 0;
};

}  // namespace zelvio
