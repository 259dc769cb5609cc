#include "platform/controls/memo.h"

namespace zelvio {

void Memo::setLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    notify(ControlProperty::Lines);
}

void Memo::addLine(std::string line) {
    lines_.push_back(std::move(line));
    notify(ControlProperty::Lines);
}

}  // namespace zelvio
