#include "platform/controls/drive_box.h"

#include "common/filesystem.h"
#include "platform/application.h"
#include "platform/controls/directory_list.h"
#include "platform/form.h"

#include <cctype>

namespace zelvio {

namespace {

char upper(char letter) { return static_cast<char>(std::toupper(static_cast<unsigned char>(letter))); }

}  // namespace

char DriveBox::drive() const {
    const int index = itemIndex();
    return index >= 0 && index < static_cast<int>(drives_.size()) ? drives_[static_cast<std::size_t>(index)].letter : 0;
}

void DriveBox::readLetters() {
    drives_.clear();
    for (char letter : form().app().fileSystem().driveLetters()) drives_.push_back({letter, std::nullopt});
}

int DriveBox::indexOf(char letter) const {
    for (std::size_t i = 0; i < drives_.size(); ++i) {
        if (drives_[i].letter == letter) return static_cast<int>(i);
    }
    return -1;
}

void DriveBox::showDrives(int index, bool allLabels) {
    FileSystem& fs = form().app().fileSystem();
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < drives_.size(); ++i) {
        Drive& d = drives_[i];
        if (!d.label && (allLabels || static_cast<int>(i) == index)) d.label = fs.volumeLabel(d.letter);
        std::string text{static_cast<char>(std::tolower(static_cast<unsigned char>(d.letter))), ':'};
        if (d.label && !d.label->empty()) text += " [" + *d.label + "]";
        texts.push_back(std::move(text));
    }
    if (texts != items()) {
        setItems(std::move(texts), index);
    } else if (index != itemIndex()) {
        setItemIndex(index);
    }
}

void DriveBox::update() {
    const char current = drive();
    readLetters();
    showDrives(indexOf(current), false);
}

void DriveBox::showDrive(char letter) {
    letter = upper(letter);
    if (letter == drive()) return;
    const char current = drive();
    // A drive that came after the list was read makes it read again.
    if (indexOf(letter) < 0) readLetters();
    const int index = indexOf(letter);
    showDrives(index >= 0 ? index : indexOf(current), false);
}

void DriveBox::beforeChoice() { showDrives(itemIndex(), true); }

void DriveBox::chosen(std::size_t item) {
    if (directories_ == nullptr || item >= drives_.size()) return;
    showDrives(static_cast<int>(item), true);  // a choice made without the list dropped down
    try {
        directories_->setDrive(drives_[item].letter);
    } catch (...) {
        // A drive without a disc: the box goes back to where the list stayed.
        showDrive(directories_->drive());
        throw;
    }
}

}  // namespace zelvio
