#pragma once
// The index data dialog: each file about to be encoded gets its MP3 name,
// title, artist and length.

#include "platform/form.h"

namespace zelvio {

class MainProgram;

class TIndexdata : public Form {
public:
    explicit TIndexdata(MainProgram& program);

    MainProgram& program;
};

}  // namespace zelvio
