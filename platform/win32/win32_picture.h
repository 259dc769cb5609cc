#pragma once
// The program's emblem, drawn to fit its bounds: a silver disc with a navy
// note in front of it (under high contrast, drawn in the face's text colour).

#include "platform/win32/win32_painted.h"

namespace zelvio {

class Win32Picture : public Win32Painted {
public:
    using Win32Painted::Win32Painted;

protected:
    void paint(HDC dc, const RECT& area) override;
};

}  // namespace zelvio
