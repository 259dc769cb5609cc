#pragma once
// The end of a test on the headless backend: each toolkit or file system
// problem fails it, the scripts and answers the program never used among them.

#include "platform/headless/headless_filesystem.h"
#include "platform/headless/headless_toolkit.h"

#include <gtest/gtest.h>

namespace zelvio {

inline void expectNoToolkitProblems(HeadlessToolkit& toolkit) {
    toolkit.recordUnusedScripts();
    for (const auto& problem : toolkit.problems()) ADD_FAILURE() << problem;
}

inline void expectNoFileSystemProblems(HeadlessFileSystem& fs) {
    fs.recordUnusedAnswers();
    for (const auto& problem : fs.problems()) ADD_FAILURE() << problem;
}

}  // namespace zelvio
