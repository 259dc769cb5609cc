#pragma once
// One entry of the headless file system's tree: a drive root, a directory or
// a file.

#include "platform/headless/headless_filesystem.h"
#include "platform/headless/headless_path.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zelvio {

struct HeadlessFileSystem::Node {
    std::string name;       // as created (or last renamed)
    std::string shortName;  // the 8.3 alias a test gave it; empty for none
    bool directory = false;
    bool readOnly = false;
    bool writeDenied = false;  // a directory that takes no new, changed or removed entries
    bool hidden = false;
    int openWriters = 0;    // a file being written cannot be replaced, moved or deleted
    int holders = 0;        // nor one that a device or another program holds open
    std::string bytes;
    std::vector<std::shared_ptr<Node>> children;  // in creation order

    // The child of this name or short name, in any letter case.
    std::shared_ptr<Node> child(std::string_view wanted) const {
        for (const auto& c : children) {
            if (sameFileName(c->name, wanted) || (!c->shortName.empty() && sameFileName(c->shortName, wanted))) return c;
        }
        return nullptr;
    }

    // A new entry at the end of this directory.
    std::shared_ptr<Node> add(std::string entryName, bool isDirectory) {
        auto entry = std::make_shared<Node>();
        entry->name = std::move(entryName);
        entry->directory = isDirectory;
        children.push_back(entry);
        return entry;
    }

    // Whether this file, or any file below this directory, is open for writing or held.
    bool inUse() const {
        if (openWriters > 0 || holders > 0) return true;
        for (const auto& c : children) {
            if (c->inUse()) return true;
        }
        return false;
    }
};

}  // namespace zelvio
