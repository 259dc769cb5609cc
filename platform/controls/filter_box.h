#pragma once
// The choice of a file mask for a file list: the design's filter holds
// description and mask in turn ("Wave files|*.wav|All files|*.*"); the list
// shows the descriptions and the first is chosen at start.

#include "platform/controls/drop_down_list.h"

#include <string>
#include <vector>

namespace zelvio {

class FileList;

class FilterBox : public DropDownList {
public:
    FilterBox(Form& form, ControlDesign design);

    // The chosen mask.
    std::string mask() const;
    // The file list whose mask it sets.
    void link(FileList& files) { files_ = &files; }

protected:
    void chosen(std::size_t item) override;

private:
    std::vector<std::string> masks_;
    FileList* files_ = nullptr;
};

}  // namespace zelvio
