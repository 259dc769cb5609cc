#pragma once
// What a service that waits for the system, or hears from it, asks of the
// program around it: the one wait, which keeps the windows alive meanwhile;
// running what it hears as an event, through the program's exception
// handler; and the stop message that ends a watched program. The
// application is one; a service takes this and never the application.

#include <chrono>
#include <functional>
#include <optional>

namespace zelvio {

class StartedProgram;

// What else ends a wait besides its condition.
struct WaitFor {
    StartedProgram* program = nullptr;                // the end of this program
    std::optional<std::chrono::milliseconds> atMost;  // this long having passed
    // A wait ends when the application is ending, unless it is one that
    // must see its work to the end all the same.
    bool throughEnding = false;
};
enum class WaitEnd { Done, ProgramEnded, TimeUp, ApplicationEnding };

class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Handles messages, without spinning, until `done` holds or something
    // in `also` ends the wait.
    WaitEnd waitUntil(const std::function<bool()>& done, const WaitFor& also = {}) { return wait(done, also); }
    // Runs a handler as an event: whatever it throws goes to the exception handler.
    virtual void dispatch(const std::function<void()>& handler) noexcept = 0;
    // The stop message: posted by a stop button, taken by the wait it ends.
    virtual void postStopMessage() = 0;
    virtual bool takeStopMessage() = 0;

protected:
    virtual WaitEnd wait(const std::function<bool()>& done, const WaitFor& also) = 0;
};

}  // namespace zelvio
