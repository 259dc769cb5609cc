#pragma once
// A multi-line text field, held as lines.

#include "platform/control.h"

#include <string>
#include <vector>

namespace zelvio {

class Memo : public Control {
public:
    using Control::Control;

    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines);
    void addLine(std::string line);

    // The backend's side: the user changed the text.
    void linesEdited(std::vector<std::string> lines) { lines_ = std::move(lines); }

protected:
    bool takesFocus() const override { return true; }

private:
    std::vector<std::string> lines_;
};

}  // namespace zelvio
