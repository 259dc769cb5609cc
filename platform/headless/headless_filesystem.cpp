#include "platform/headless/headless_filesystem.h"

#include "common/errors.h"
#include "common/textencoding.h"
#include "platform/headless/headless_code_page.h"
#include "platform/headless/headless_resolved.h"
#include "platform/headless/headless_text_files.h"

#include <algorithm>
#include <cctype>

namespace zelvio {

namespace {

[[noreturn]] void fail(const char* text) { throw InOutError(text, text == systemtext::AccessDenied); }

// The longest directory CreateDirectory makes: room is left for an 8.3 name.
constexpr std::size_t longestNewDirectory = 247;
// The longest current directory: room is left for its "\".
constexpr std::size_t longestCurrentDirectory = 258;

}  // namespace

HeadlessFileSystem::HeadlessFileSystem() { addDrive('C'); }

HeadlessFileSystem::~HeadlessFileSystem() = default;

HeadlessFileSystem::Resolved HeadlessFileSystem::resolve(const std::string& path) const {
    Resolved r;
    r.path = makeHeadlessPath(path, current_);
    if (r.path.error) return r;
    r.key = lowerCaseAscii(r.path.drive) + "\\";
    const auto drive = drives_.find(static_cast<char>(std::toupper(static_cast<unsigned char>(r.path.drive[0]))));
    std::shared_ptr<Node> directory = drive != drives_.end() ? drive->second : nullptr;
    if (r.root()) r.node = directory;
    for (std::size_t i = 0; i < r.path.names.size(); ++i) {
        const std::string& name = r.path.names[i];
        std::shared_ptr<Node> entry = directory ? directory->child(name) : nullptr;
        if (i + 1 == r.path.names.size()) {
            r.parent = directory;
            r.node = entry;
        }
        if (i > 0) r.key += '\\';
        r.key += lowerCaseAscii(entry ? entry->name : name);
        directory = entry && entry->directory ? entry : nullptr;
    }
    return r;
}

bool HeadlessFileSystem::listed(const std::vector<std::string>& keys, const std::string& key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

std::string HeadlessFileSystem::currentDirectory() { return current_; }

void HeadlessFileSystem::changeDirectory(const std::string& path) {
    const Resolved r = resolve(path);
    if (r.path.error) fail(r.path.error);
    if (r.tooLong(longestCurrentDirectory)) fail(systemtext::NameTooLong);
    if (!r.node) fail(r.missing());
    if (!r.node->directory) fail(systemtext::DirectoryNameInvalid);
    current_ = r.path.text();
}

bool HeadlessFileSystem::fileExists(const std::string& path) {
    const Resolved r = resolve(path);
    return !r.path.error && !r.tooLong() && r.isFile();
}

bool HeadlessFileSystem::directoryExists(const std::string& path) {
    const Resolved r = resolve(path);
    return !r.path.error && !r.tooLong() && r.isDirectory();
}

bool HeadlessFileSystem::deleteFile(const std::string& path) {
    const Resolved r = resolve(path);
    if (!deletable(r) || r.tooLong()) return false;
    remove(r);
    return true;
}

const char* HeadlessFileSystem::whyNotMovable(const Resolved& from, const Resolved& to) const {
    if (to.tooLong()) return systemtext::NameTooLong;
    if (from.node->inUse()) return systemtext::SharingViolation;
    if (from.node->directory) {
        // A directory holding the current directory is held open, and none
        // can move into itself.
        const std::string current = resolve(current_).key;
        const std::string below = from.key + "\\";
        if (current == from.key || current.starts_with(below) || to.key.starts_with(below)) {
            return systemtext::SharingViolation;
        }
        if (!sameFileName(from.path.drive, to.path.drive)) return systemtext::NotSameDevice;
    }
    if (!from.node->directory && to.path.trailingSeparator) return systemtext::InvalidName;
    return nullptr;
}

void HeadlessFileSystem::move(const Resolved& from, const Resolved& to) {
    const std::shared_ptr<Node> node = from.node;
    // A new name gets a new short name from the system; tests set it again.
    if (!sameFileName(node->name, to.name())) node->shortName.clear();
    node->name = to.name();
    if (from.parent != to.parent) {
        remove(from);
        to.parent->children.push_back(node);
    }
}

void HeadlessFileSystem::remove(const Resolved& entry) {
    auto& siblings = entry.parent->children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), entry.node));
}

bool HeadlessFileSystem::renameFile(const std::string& from, const std::string& to) {
    const Resolved source = resolve(from);
    const Resolved target = resolve(to);
    if (source.path.error || target.path.error || source.tooLong()) return false;
    if (!source.node || source.root() || (!source.node->directory && source.path.trailingSeparator)) return false;
    if (target.root() || !target.parent) return false;
    if (target.node && target.node != source.node) return false;  // MoveFile never replaces
    if (source.parent->writeDenied || target.parent->writeDenied) return false;
    if (whyNotMovable(source, target)) return false;
    move(source, target);
    return true;
}

void HeadlessFileSystem::replaceFile(const std::string& from, const std::string& to) {
    const Resolved source = resolve(from);
    const Resolved target = resolve(to);
    for (const Resolved* r : {&source, &target}) {
        if (r->path.error) fail(r->path.error);
        if (r->tooLong()) fail(systemtext::NameTooLong);
    }
    if (!source.node) fail(source.missing());
    if (source.root() || target.root()) fail(systemtext::AccessDenied);
    if (!source.node->directory && source.path.trailingSeparator) fail(systemtext::InvalidName);
    if (!target.parent) fail(systemtext::PathNotFound);
    if (listed(failCreate_, target.key)) fail(systemtext::AccessDenied);
    if ((source.parent && source.parent->writeDenied) || target.parent->writeDenied) fail(systemtext::AccessDenied);
    const bool replacing = target.node && target.node != source.node;
    if (replacing) {
        if (target.node->directory || source.node->directory || target.node->readOnly) fail(systemtext::AccessDenied);
        if (target.node->inUse()) fail(systemtext::SharingViolation);
    }
    // Without leave to copy, a move stays on its drive.
    if (!sameFileName(source.path.drive, target.path.drive)) fail(systemtext::NotSameDevice);
    if (const char* why = whyNotMovable(source, target)) fail(why);
    if (replacing) remove(target);
    move(source, target);
}

void HeadlessFileSystem::createDirectory(const std::string& path) {
    const Resolved r = resolve(path);
    if (r.path.error) fail(r.path.error);
    if (r.tooLong(longestNewDirectory)) fail(systemtext::NameTooLong);
    if (r.root() || r.node) fail(r.root() ? systemtext::AccessDenied : systemtext::AlreadyExists);
    if (!r.parent) fail(systemtext::PathNotFound);
    if (listed(failCreate_, r.key) || r.parent->writeDenied) fail(systemtext::AccessDenied);
    r.parent->add(r.name(), true);
}

std::int64_t HeadlessFileSystem::fileSize(const std::string& path) {
    const Resolved r = resolve(path);
    if (r.path.error) fail(r.path.error);
    if (r.tooLong()) fail(systemtext::NameTooLong);
    if (!r.node) return -1;
    if (r.node->directory) fail(systemtext::AccessDenied);  // a directory does not open as a file
    if (r.path.trailingSeparator) fail(systemtext::InvalidName);
    if (listed(failOpen_, r.key)) fail(systemtext::AccessDenied);
    return static_cast<std::int64_t>(r.node->bytes.size());
}

const std::string& HeadlessFileSystem::bytesToRead(const std::string& path) const {
    const Resolved r = resolve(path);
    if (r.path.error) fail(r.path.error);
    if (r.tooLong()) fail(systemtext::NameTooLong);
    if (!r.node) fail(r.missing());
    if (r.node->directory) fail(systemtext::AccessDenied);
    if (r.path.trailingSeparator) fail(systemtext::InvalidName);
    if (listed(failOpen_, r.key)) fail(systemtext::AccessDenied);
    return r.node->bytes;
}

std::unique_ptr<LineReader> HeadlessFileSystem::openText(const std::string& path) {
    return makeHeadlessReader(textFromFileBytes(bytesToRead(path), utf8FromWindows1252));
}

std::unique_ptr<ByteReader> HeadlessFileSystem::openBytes(const std::string& path) {
    return makeHeadlessByteReader(bytesToRead(path));
}

std::unique_ptr<ByteWriter> HeadlessFileSystem::createBytes(const std::string& path) {
    return makeHeadlessByteWriter(createText(path, TextEncoding::Utf8));
}

bool HeadlessFileSystem::ansiCodePageHolds(const std::string& text) {
    bool lost = false;
    windows1252FromUtf8(text, &lost);
    return !lost;
}

std::unique_ptr<LineWriter> HeadlessFileSystem::createText(const std::string& path, TextEncoding encoding) {
    const Resolved r = resolve(path);
    if (r.path.error) fail(r.path.error);
    if (r.tooLong()) fail(systemtext::NameTooLong);
    if (!r.node && !r.parent) fail(systemtext::PathNotFound);
    if (r.path.trailingSeparator && !r.isDirectory()) fail(systemtext::InvalidName);
    if (listed(failCreate_, r.key)) fail(systemtext::AccessDenied);
    if (r.parent && r.parent->writeDenied) fail(systemtext::AccessDenied);
    std::shared_ptr<Node> file = r.node;
    if (file) {
        if (file->directory || file->readOnly) fail(systemtext::AccessDenied);
        if (file->inUse()) fail(systemtext::SharingViolation);
        file->bytes.clear();
    } else {
        file = r.parent->add(r.name(), false);
    }
    std::optional<std::size_t> room;
    if (failWrite_ && (failWrite_->second.empty() || failWrite_->second == r.key)) {
        room = failWrite_->first;
        failWrite_.reset();
    }
    return makeHeadlessWriter(file, room, encoding);
}

std::optional<std::string> HeadlessFileSystem::shortName(const std::string& path) {
    const Resolved r = resolve(path);
    // FindFirstFile finds no root and no name followed by "\".
    if (r.path.error || r.tooLong() || !r.node || r.root() || r.path.trailingSeparator) return std::nullopt;
    if (r.node->shortName.empty()) return std::nullopt;
    return r.node->shortName;
}

std::vector<DirectoryEntry> HeadlessFileSystem::listDirectory(const std::string& path) {
    ++listings_;
    const Resolved r = resolve(path);
    if (r.path.error) fail(r.path.error);
    if (r.tooLong()) fail(systemtext::NameTooLong);
    if (!r.node) fail(r.missing());
    if (!r.node->directory) fail(systemtext::DirectoryNameInvalid);
    if (listed(failOpen_, r.key)) fail(systemtext::AccessDenied);
    std::vector<DirectoryEntry> entries;
    entries.reserve(r.node->children.size());
    for (const auto& child : r.node->children) entries.push_back({child->name, child->directory, child->hidden});
    return entries;
}

std::vector<char> HeadlessFileSystem::driveLetters() {
    std::vector<char> letters;
    for (const auto& drive : drives_) letters.push_back(drive.first);
    return letters;
}

std::string HeadlessFileSystem::volumeLabel(char letter) {
    labelsAsked_.push_back(letter);
    const auto label = labels_.find(letter);
    return label == labels_.end() ? std::string() : label->second;
}

}  // namespace zelvio
