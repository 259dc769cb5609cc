#include "songindex/entryeditor.h"

namespace zelvio {

EntryEditor::EntryEditor(ListBox& files, Fields fields, Edit& first, Shown shown)
    : files_(files), fields_(fields), first_(first), shown_(std::move(shown)) {}

void EntryEditor::load(FileSystem& fs, const std::string& path,
                       const std::function<std::string(const std::string& file)>& pairingName) {
    std::vector<std::string> names;
    names.reserve(files_.count());
    for (const auto& file : files_.items()) names.push_back(pairingName(file));
    entries_.load(fs, path, names);
}

void EntryEditor::showFirst() {
    files_.setItemIndex(files_.count() > 0 ? 0 : -1);
    showentry();
    first_.setFocus();
}

void EntryEditor::showentry() {
    const auto file = current();
    if (!file) return;
    auto stored = entries_.entry(*file);
    if (!stored && *file < offers_.size()) stored = offers_[*file];
    const IndexEntry entry = shown_(files_.items()[*file], stored);
    fields_.filename.setText(entry.filename);
    fields_.title.setText(entry.title);
    fields_.artist.setText(entry.artist);
    fields_.length.setText(entry.length);
}

void EntryEditor::fileChosen() {
    showentry();
    first_.setFocus();
}

void EntryEditor::declineOffer(std::size_t file) {
    if (file < offers_.size()) offers_[file].reset();
}

void EntryEditor::acceptOffers() {
    for (std::size_t file = 0; file < offers_.size(); ++file) {
        if (offers_[file] && !entries_.entry(file)) entries_.store(file, *offers_[file]);
    }
    offers_.clear();
}

std::optional<std::size_t> EntryEditor::current() const {
    const int index = files_.itemIndex();
    if (index < 0) return std::nullopt;
    return static_cast<std::size_t>(index);
}

IndexEntry EntryEditor::typed() const {
    return {fields_.filename.text(), fields_.title.text(), fields_.artist.text(), fields_.length.text()};
}

}  // namespace zelvio
