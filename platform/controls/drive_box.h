#pragma once
// The drives, shown as "c: [LABEL]"; choosing one takes the linked directory
// list to that drive's current directory.

#include "platform/controls/drop_down_list.h"
#include "platform/filesystem.h"

#include <vector>

namespace zelvio {

class DirectoryList;

class DriveBox : public DropDownList {
public:
    using DropDownList::DropDownList;

    // The chosen drive's letter, upper case; 0 before any was shown.
    char drive() const;
    // Reads the drives again, keeping the chosen one.
    void update();
    // Shows the drive as chosen, without taking anything anywhere.
    void showDrive(char letter);
    void link(DirectoryList& directories) { directories_ = &directories; }

protected:
    void chosen(std::size_t item) override;

private:
    std::vector<Drive> drives_;
    DirectoryList* directories_ = nullptr;
};

}  // namespace zelvio
