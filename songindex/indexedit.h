#pragma once
// The index editor: the index entries of the selected MP3 files.

#include "platform/form.h"

namespace zelvio {

class MainProgram;

class Tindexeditor : public Form {
public:
    explicit Tindexeditor(MainProgram& program);

    MainProgram& program;
};

}  // namespace zelvio
