#include "platform/controls/filter_box.h"

#include "platform/controls/file_list.h"

namespace zelvio {

FilterBox::FilterBox(Form& form, ControlDesign design) : DropDownList(form, std::move(design)) {
    std::vector<std::string> descriptions;
    const std::string& filter = this->design().filter;
    std::size_t start = 0;
    for (bool isMask = false; start <= filter.size(); isMask = !isMask) {
        std::size_t end = filter.find('|', start);
        if (end == std::string::npos) end = filter.size();
        (isMask ? masks_ : descriptions).push_back(filter.substr(start, end - start));
        start = end + 1;
    }
    masks_.resize(descriptions.size());
    setItems(std::move(descriptions), 0);
}

std::string FilterBox::mask() const {
    const int index = itemIndex();
    return index >= 0 && index < static_cast<int>(masks_.size()) ? masks_[static_cast<std::size_t>(index)] : "*.*";
}

void FilterBox::chosen(std::size_t) {
    if (files_ != nullptr) files_->setMask(mask());
}

}  // namespace zelvio
