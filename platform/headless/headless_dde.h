#pragma once
// A DDE client without DDE: it answers as a test says a server would, and
// records every conversation and command.

#include "platform/dde.h"

#include <set>
#include <string>
#include <vector>

namespace zelvio {

class HeadlessDde : public DdeClient {
public:
    bool connect(const std::string& service, const std::string& topic) override;
    bool execute(const std::string& command) override;
    void disconnect() override { connected_ = false; }

    // A server for the service that answers on these topics (letter case ignored, as DDE does).
    void serve(const std::string& service, std::set<std::string> topics);
    void failCommands() { failCommands_ = true; }

    // "service|topic" for every attempt to connect, in order.
    const std::vector<std::string>& attempts() const { return attempts_; }
    const std::vector<std::string>& commands() const { return commands_; }
    bool connected() const { return connected_; }

private:
    std::string service_;
    std::set<std::string> topics_;
    bool failCommands_ = false;
    bool connected_ = false;
    std::vector<std::string> attempts_;
    std::vector<std::string> commands_;
};

}  // namespace zelvio
