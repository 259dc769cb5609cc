#include "platform/controls/drive_box.h"

#include "platform/application.h"
#include "platform/controls/directory_list.h"
#include "platform/form.h"

#include <cctype>

namespace zelvio {

namespace {

char upper(char letter) { return static_cast<char>(std::toupper(static_cast<unsigned char>(letter))); }

std::string driveText(const Drive& drive) {
    std::string text{static_cast<char>(std::tolower(static_cast<unsigned char>(drive.letter))), ':'};
    if (!drive.label.empty()) text += " [" + drive.label + "]";
    return text;
}

}  // namespace

char DriveBox::drive() const {
    const int index = itemIndex();
    return index >= 0 && index < static_cast<int>(drives_.size()) ? drives_[static_cast<std::size_t>(index)].letter : 0;
}

void DriveBox::update() {
    const char current = drive();
    drives_ = form().app().fileSystem().drives();
    std::vector<std::string> texts;
    int index = -1;
    for (const Drive& d : drives_) {
        if (d.letter == current) index = static_cast<int>(texts.size());
        texts.push_back(driveText(d));
    }
    setItems(std::move(texts), index);
}

void DriveBox::showDrive(char letter) {
    letter = upper(letter);
    if (letter == drive()) return;
    if (drives_.empty()) update();
    for (std::size_t i = 0; i < drives_.size(); ++i) {
        if (drives_[i].letter == letter) {
            setItemIndex(static_cast<int>(i));
            return;
        }
    }
    // A drive that came after the list was read.
    update();
    for (std::size_t i = 0; i < drives_.size(); ++i) {
        if (drives_[i].letter == letter) setItemIndex(static_cast<int>(i));
    }
}

void DriveBox::chosen(std::size_t item) {
    if (directories_ == nullptr || item >= drives_.size()) return;
    try {
        directories_->setDrive(drives_[item].letter);
    } catch (...) {
        // A drive without a disc: the box goes back to where the list stayed.
        showDrive(directories_->drive());
        throw;
    }
}

}  // namespace zelvio
