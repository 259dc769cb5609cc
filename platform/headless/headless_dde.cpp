#include "platform/headless/headless_dde.h"

#include "platform/headless/headless_path.h"

namespace zelvio {

void HeadlessDde::serve(const std::string& service, std::set<std::string> topics) {
    service_ = lowerCaseAscii(service);
    topics_.clear();
    for (const auto& topic : topics) topics_.insert(lowerCaseAscii(topic));
}

bool HeadlessDde::connect(const std::string& service, const std::string& topic) {
    attempts_.push_back(service + "|" + topic);
    connected_ = !service_.empty() && lowerCaseAscii(service) == service_ && topics_.contains(lowerCaseAscii(topic));
    return connected_;
}

bool HeadlessDde::execute(const std::string& command) {
    if (!connected_ || failCommands_) return false;
    commands_.push_back(command);
    return true;
}

}  // namespace zelvio
