#pragma once
// A path looked up in the headless file system's tree.

#include "platform/headless/headless_node.h"
#include "platform/headless/headless_path.h"
#include "platform/headless/headless_system_texts.h"

#include <memory>
#include <string>

namespace zelvio {

struct HeadlessFileSystem::Resolved {
    HeadlessPath path;
    // The path with each existing name replaced by its long name, in lower
    // case: the same text for every way of writing the same path.
    std::string key;
    std::shared_ptr<Node> parent;  // the directory holding the last name; null when it does not exist
    std::shared_ptr<Node> node;    // the entry itself; null when it does not exist

    bool root() const { return path.names.empty(); }
    const std::string& name() const { return path.names.back(); }
    bool isFile() const { return node && !node->directory && !path.trailingSeparator; }
    bool isDirectory() const { return node && node->directory; }
    // A path longer than an ANSI file call takes.
    bool tooLong(std::size_t limit = 259) const { return path.text().size() > limit; }
    // Why a missing entry cannot be opened: its directory is there, or it is not.
    const char* missing() const { return parent ? systemtext::FileNotFound : systemtext::PathNotFound; }
};

}  // namespace zelvio
