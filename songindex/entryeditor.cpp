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
    const IndexEntry entry = shown_(files_.items()[*file], entries_.entry(*file));
    fields_.filename.setText(entry.filename);
    fields_.title.setText(entry.title);
    fields_.artist.setText(entry.artist);
    fields_.length.setText(entry.length);
}

void EntryEditor::fileChosen() {
    showentry();
    first_.setFocus();
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
