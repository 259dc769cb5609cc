#pragma once
// A progress gauge: a bar from 0 to its maximum, with the whole-number
// percentage written on it. The position stays between 0 and the maximum.

#include "platform/control.h"

namespace zelvio {

class Gauge : public Control {
public:
    using Control::Control;

    int maximum() const { return maximum_; }
    int position() const { return position_; }
    // The bar shows the change at once when its percentage moves.
    void setMaximum(int maximum);
    void setPosition(int position);
    // Position times 100 by the maximum, fractions dropped; 0 for a maximum of 0.
    int percent() const;

private:
    void set(int maximum, int position);

    int maximum_ = 100;
    int position_ = 0;
};

}  // namespace zelvio
