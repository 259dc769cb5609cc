#pragma once
// What a long operation tells the user while it runs: the information
// window's read-out, its output lines and its two buttons. The information
// window is the one that shows it; the wave player and the encode job report
// to it without knowing it.

#include <string>

namespace zelvio {

enum class SoundSource { Wave, Cd };
enum class Activity { None, Playing, Recording, Encoding };

class Progress {
public:
    virtual ~Progress() = default;
    // Brings the window up, in front, without making it modal.
    virtual void show() = 0;
    // Closes the window when it is shown.
    virtual void hide() = 0;
    // The minutes:seconds read-out, the source and what is going on.
    virtual void display(int minutes, int seconds, SoundSource source, Activity activity) = 0;
    virtual void addLine(const std::string& line) = 0;
    virtual void clearLines() = 0;
    // The "Output" button, which folds the lines out, and "Hide".
    virtual void allowOutput(bool allowed) = 0;
    virtual void allowHide(bool allowed) = 0;
};

}  // namespace zelvio
