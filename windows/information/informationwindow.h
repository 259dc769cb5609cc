#pragma once
// The information window: a small always-on-top panel that shows what the
// program is busy with (a minutes:seconds read-out drawn as seven-segment
// digits, the source, the status) and an output memo that folds out. Long
// operations report to it as their Progress.

#include "common/progress.h"
#include "platform/controls/button.h"
#include "platform/controls/memo.h"
#include "platform/form.h"

#include <array>
#include <optional>
#include <string>

namespace zelvio {

class Application;

class Tcompressinfo : public Form, public Progress {
public:
    explicit Tcompressinfo(Application& app);

    // The read-out, and the source and status texts; none leaves them as they are.
    void setdisplay(int minutes, int seconds, std::optional<SoundSource> source, std::optional<Activity> activity);
    // "Output" off, "Hide" on: nothing runs.
    void resetToIdle();

    // Progress
    void show() override { Form::show(); }
    void hide() override;
    void display(int minutes, int seconds, SoundSource source, Activity activity) override {
        setdisplay(minutes, seconds, source, activity);
    }
    void addLine(const std::string& line) override { outputmemo.addLine(line); }
    void clearLines() override { outputmemo.setLines({}); }
    void allowOutput(bool allowed) override { showoutputbutt.setEnabled(allowed); }
    void allowHide(bool allowed) override { donebutt.setEnabled(allowed); }

private:
    void showoutputbuttClick();
    void donebuttClick();

    // What shows of the read-out and the status, in words: the counter's
    // backdrop says it to a screen reader ("Min 12 Sec 34, Playing, Wav").
    std::string spokenReadout(const std::array<int, 4>& digits) const;

    // The read-out's segments a to g of each of its four digits.
    std::array<std::array<Control*, 7>, 4> timer{};
    Control& Shape1 = control<Control>("Shape1");
    Control& Label1 = control<Control>("Label1");
    Control& Label2 = control<Control>("Label2");
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
