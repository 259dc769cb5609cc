#pragma once
// The drives, shown as "c: [LABEL]"; choosing one takes the linked directory
// list to that drive's current directory. A drive is asked for its label
// (which may spin up a disc) only when it is shown: the chosen one at once,
// the others when the user comes to the box to choose.

#include "platform/controls/drop_down_list.h"

#include <optional>
#include <string>
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
    // Takes the drives and the labels the other box has read, so that the
    // same drive is not asked twice in a row.
    void shareDrives(const DriveBox& other) { drives_ = other.drives_; }

protected:
    void beforeChoice() override;
    void chosen(std::size_t item) override;

private:
    struct Drive {
        char letter;
        std::optional<std::string> label;  // none until the drive was asked
    };
    void readLetters();
    int indexOf(char letter) const;
    // Shows the drives with `index` chosen, asking for the labels not known
    // yet of the chosen drive, or of all of them.
    void showDrives(int index, bool allLabels);

    std::vector<Drive> drives_;
    DirectoryList* directories_ = nullptr;
};

}  // namespace zelvio
