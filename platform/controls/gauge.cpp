#include "platform/controls/gauge.h"

#include <algorithm>

namespace zelvio {

int Gauge::percent() const {
    return maximum_ <= 0 ? 0 : static_cast<int>(static_cast<long long>(position_) * 100 / maximum_);
}

void Gauge::setMaximum(int maximum) { set(std::max(maximum, 0), position_); }

void Gauge::setPosition(int position) { set(maximum_, position); }

void Gauge::set(int maximum, int position) {
    const int before = percent();
    maximum_ = maximum;
    position_ = std::clamp(position, 0, maximum_);
    if (percent() != before) notify(ControlProperty::Position);
}

}  // namespace zelvio
