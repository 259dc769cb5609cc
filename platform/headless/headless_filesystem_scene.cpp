// Setting the scene of a headless file system, inspecting it, and its faults.
// These are the test's own calls, not the program's: a call that cannot do
// what it says is a mistake in the test and says so.

#include "platform/headless/headless_filesystem.h"

#include "common/errors.h"
#include "platform/headless/headless_resolved.h"

#include <cctype>
#include <stdexcept>

namespace zelvio {

namespace {

[[noreturn]] void mistake(const char* caller, const std::string& path, const char* what) {
    throw std::logic_error(std::string(caller) + "(\"" + path + "\"): " + what);
}

}  // namespace

void HeadlessFileSystem::addDrive(char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (drives_.contains(upper)) return;
    auto root = std::make_shared<Node>();
    root->name = std::string(1, upper) + ":";
    root->directory = true;
    drives_.emplace(upper, std::move(root));
}

HeadlessFileSystem::Node& HeadlessFileSystem::existing(const std::string& path, const char* caller) const {
    const Resolved r = resolve(path);
    if (r.path.error) mistake(caller, path, r.path.error);
    if (!r.node) mistake(caller, path, "no such file or directory");
    return *r.node;
}

std::shared_ptr<HeadlessFileSystem::Node> HeadlessFileSystem::makeDirectories(const HeadlessPath& path,
                                                                            std::size_t count,
                                                                            const char* caller,
                                                                            const std::string& written) {
    if (path.error) mistake(caller, written, path.error);
    std::shared_ptr<Node> directory = resolve(path.drive + "\\").node;
    if (!directory) mistake(caller, written, "no such drive");
    for (std::size_t i = 0; i < count; ++i) {
        std::shared_ptr<Node> entry = directory->child(path.names[i]);
        if (!entry) entry = directory->add(path.names[i], true);
        if (!entry->directory) mistake(caller, written, "a file is in the way");
        directory = entry;
    }
    return directory;
}

void HeadlessFileSystem::makeDirectories(const std::string& path) {
    const HeadlessPath full = makeHeadlessPath(path, current_);
    makeDirectories(full, full.names.size(), "makeDirectories", path);
}

void HeadlessFileSystem::putFile(const std::string& path, const std::string& bytes) {
    const HeadlessPath full = makeHeadlessPath(path, current_);
    if (!full.error && (full.names.empty() || full.trailingSeparator)) mistake("putFile", path, "not a file name");
    const std::shared_ptr<Node> directory = makeDirectories(full, full.names.size() - 1, "putFile", path);
    std::shared_ptr<Node> file = directory->child(full.names.back());
    if (!file) file = directory->add(full.names.back(), false);
    if (file->directory) mistake("putFile", path, "a directory is in the way");
    file->bytes = bytes;
}

std::string HeadlessFileSystem::fileBytes(const std::string& path) {
    const Resolved r = resolve(path);
    if (r.path.error) throw InOutError(r.path.error);
    if (!r.node) throw InOutError(r.missing());
    if (!r.isFile()) throw InOutError(systemtext::AccessDenied);
    return r.node->bytes;
}

void HeadlessFileSystem::setShortName(const std::string& path, const std::string& shortName) {
    const Resolved r = resolve(path);
    Node& node = existing(path, "setShortName");
    if (r.root()) mistake("setShortName", path, "a drive root has no short name");
    // The system never gives a short name that another entry of the directory answers to.
    for (const auto& sibling : r.parent->children) {
        if (shortName.empty() || sibling.get() == &node) continue;
        if (sameFileName(sibling->name, shortName) || sameFileName(sibling->shortName, shortName)) {
            mistake("setShortName", path, "another entry already answers to that name");
        }
    }
    node.shortName = shortName;
}

void HeadlessFileSystem::setReadOnly(const std::string& path, bool readOnly) {
    existing(path, "setReadOnly").readOnly = readOnly;
}

void HeadlessFileSystem::denyWriting(const std::string& directory) {
    Node& node = existing(directory, "denyWriting");
    if (!node.directory) mistake("denyWriting", directory, "not a directory");
    node.writeDenied = true;
}

void HeadlessFileSystem::setHidden(const std::string& path, bool hidden) { existing(path, "setHidden").hidden = hidden; }

void HeadlessFileSystem::setVolumeLabel(char drive, const std::string& label) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(drive)));
    if (!drives_.contains(upper)) mistake("setVolumeLabel", std::string(1, drive), "no such drive");
    labels_[upper] = label;
}

std::vector<std::string> HeadlessFileSystem::list(const std::string& directory) {
    const Resolved r = resolve(directory);
    if (r.path.error) throw InOutError(r.path.error);
    if (!r.node) throw InOutError(systemtext::PathNotFound);
    if (!r.node->directory) throw InOutError(systemtext::DirectoryNameInvalid);
    std::vector<std::string> names;
    for (const auto& child : r.node->children) names.push_back(child->name);
    return names;
}

std::string HeadlessFileSystem::faultKey(const std::string& path, const char* caller) const {
    const Resolved r = resolve(path);
    if (r.path.error) mistake(caller, path, r.path.error);
    return r.key;
}

void HeadlessFileSystem::failOpening(const std::string& path) { failOpen_.push_back(faultKey(path, "failOpening")); }

void HeadlessFileSystem::failCreating(const std::string& path) {
    failCreate_.push_back(faultKey(path, "failCreating"));
}

void HeadlessFileSystem::failWritingAfter(std::size_t lines, const std::string& path) {
    failWrite_.emplace(lines, path.empty() ? std::string() : faultKey(path, "failWritingAfter"));
}

void HeadlessFileSystem::clearFaults() {
    failOpen_.clear();
    failCreate_.clear();
    failWrite_.reset();
}

void HeadlessFileSystem::hold(const std::string& path) { ++existing(path, "hold").holders; }

void HeadlessFileSystem::letGo(const std::string& path) {
    const Resolved r = resolve(path);
    if (r.node && r.node->holders > 0) --r.node->holders;
}

}  // namespace zelvio
