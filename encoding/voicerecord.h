#pragma once
// The voice recorder: records speech and encodes it into an MP3 file.

#include "platform/form.h"

namespace zelvio {

class MainProgram;

class Tmpvoicerecord : public Form {
public:
    explicit Tmpvoicerecord(MainProgram& program);

    MainProgram& program;
};

}  // namespace zelvio
