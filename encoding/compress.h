#pragma once
// The information window: a small always-on-top panel that shows what the
// program is busy with (a minutes:seconds read-out drawn as seven-segment
// digits, the source, the status) and an output memo that folds out.

#include "platform/controls/button.h"
#include "platform/controls/memo.h"
#include "platform/form.h"

#include <array>

namespace zelvio {

class Application;

// It only shows what its callers set, so it needs nothing but the application.
class Tcompressinfo : public Form {
public:
    explicit Tcompressinfo(Application& app);

    // Source: 0 Wav, 1 CD, anything else leaves it. Status: 0 none,
    // 1 Playing, 2 Rec with PLEASE WAIT, 3 Encode with PLEASE WAIT, anything
    // else leaves it.
    void setdisplay(int minutes, int seconds, int source, int status);

    void showoutputbuttClick();
    void donebuttClick();

    // The read-out's segments a to g of each of its four digits.
    std::array<std::array<Control*, 7>, 4> timer{};
    Control& playingtxt = control<Control>("playingtxt");
    Control& recordingtxt = control<Control>("recordingtxt");
    Control& encodetxt = control<Control>("encodetxt");
    Control& Cdtxt = control<Control>("Cdtxt");
    Control& wavtxt = control<Control>("wavtxt");
    Control& waittext = control<Control>("waittext");
    Button& donebutt = control<Button>("donebutt");
    Button& showoutputbutt = control<Button>("showoutputbutt");
    Memo& outputmemo = control<Memo>("outputmemo");
};

}  // namespace zelvio
