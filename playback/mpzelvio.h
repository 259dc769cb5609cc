#pragma once
// The main window.

#include "platform/form.h"

namespace zelvio {

class TForm1 : public Form {
public:
    explicit TForm1(Application& app);

    void Exit1Click();
};

}  // namespace zelvio
