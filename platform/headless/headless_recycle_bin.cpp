// The headless Recycle Bin: one per drive, holding each recycled file whole
// so that a test can restore it, and the system's question where a drive
// has none.

#include "platform/headless/headless_filesystem.h"

#include "platform/headless/headless_resolved.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace zelvio {

namespace {

// Bins are kept by upper-case drive letter.
char upper(char drive) { return static_cast<char>(std::toupper(static_cast<unsigned char>(drive))); }

char driveLetter(const HeadlessPath& path) { return upper(path.drive[0]); }

[[noreturn]] void mistake(const char* caller, const std::string& path, const char* what) {
    throw std::logic_error(std::string(caller) + "(\"" + path + "\"): " + what);
}

}  // namespace

bool HeadlessFileSystem::deletable(const Resolved& entry) {
    return !entry.path.error && entry.isFile() && !entry.node->readOnly && !entry.node->inUse() &&
           !entry.parent->writeDenied;
}

std::vector<RecycleResult> HeadlessFileSystem::recycleFiles(const std::vector<std::string>& paths) {
    std::vector<RecycleResult> results(paths.size(), RecycleResult::Kept);
    std::vector<std::size_t> binless;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const Resolved r = resolve(paths[i]);
        if (!deletable(r)) continue;
        const char drive = driveLetter(r.path);
        if (!hasBin(drive)) {
            binless.push_back(i);
            continue;
        }
        bins_[drive].push_back({r.path.text(), r.node});
        remove(r);
        results[i] = RecycleResult::Recycled;
    }
    std::vector<std::string> asked;
    for (std::size_t i : binless) asked.push_back(paths[i]);
    if (asked.empty() || !askDeleteForGood(asked)) return results;
    for (std::size_t i : binless) {
        const Resolved r = resolve(paths[i]);
        if (!deletable(r)) continue;  // the same file named twice
        remove(r);
        results[i] = RecycleResult::DeletedForGood;
    }
    return results;
}

bool HeadlessFileSystem::hasBin(char drive) const {
    return std::find(binless_.begin(), binless_.end(), drive) == binless_.end();
}

bool HeadlessFileSystem::askDeleteForGood(const std::vector<std::string>& paths) {
    questions_.push_back(paths);
    if (forGoodAnswers_.empty()) {
        problems_.push_back("the question whether to delete " + paths.front() +
                            (paths.size() > 1 ? " and others" : "") + " for good was not answered; it got No");
        return false;
    }
    const bool yes = forGoodAnswers_.front();
    forGoodAnswers_.pop_front();
    return yes;
}

void HeadlessFileSystem::removeRecycleBin(char drive) {
    const char letter = upper(drive);
    if (!drives_.contains(letter)) mistake("removeRecycleBin", std::string(1, drive), "no such drive");
    if (hasBin(letter)) binless_.push_back(letter);
}

std::vector<std::string> HeadlessFileSystem::recycled(char drive) const {
    std::vector<std::string> paths;
    const auto bin = bins_.find(upper(drive));
    if (bin == bins_.end()) return paths;
    for (const RecycledFile& file : bin->second) paths.push_back(file.path);
    return paths;
}

void HeadlessFileSystem::restore(const std::string& path) {
    const Resolved r = resolve(path);
    if (r.path.error || r.root()) mistake("restore", path, "not a file's path");
    auto bin = bins_.find(driveLetter(r.path));
    if (bin == bins_.end()) mistake("restore", path, "nothing was recycled from there");
    auto& files = bin->second;
    const auto last = std::find_if(files.rbegin(), files.rend(),
                                   [&](const RecycledFile& file) { return sameFileName(file.path, r.path.text()); });
    if (last == files.rend()) mistake("restore", path, "nothing was recycled from there");
    if (!r.parent) mistake("restore", path, "its directory is gone");
    if (r.node) mistake("restore", path, "another entry has taken its place");
    r.parent->children.push_back(last->node);
    files.erase(std::next(last).base());
}

void HeadlessFileSystem::answerDeleteForGood(bool yes) { forGoodAnswers_.push_back(yes); }

void HeadlessFileSystem::recordUnusedAnswers() {
    for (bool yes : forGoodAnswers_) {
        problems_.push_back(std::string("the answer ") + (yes ? "Yes" : "No") + " to deleting for good was never used");
    }
    forGoodAnswers_.clear();
}

}  // namespace zelvio
