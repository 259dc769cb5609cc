#pragma once
// The media control interface: MCI command strings sent to devices the
// program names by alias ("open ... alias zelvio1", "play zelvio1 notify").

#include <string>

namespace zelvio {

// How a command sent with "notify" ended.
enum class NotifyKind { Successful, Superseded, Aborted, Failure };

// Hears, once, how a command sent with "notify" ended: on the window thread,
// from the message loop.
class MediaListener {
public:
    virtual ~MediaListener() = default;
    virtual void notified(NotifyKind kind) = 0;
};

class MediaControl {
public:
    virtual ~MediaControl() = default;
    // Sends one command string and returns the device's reply (a status
    // command's value, empty for the rest). A failure raises MediaError with
    // the system's text for it, "Unknown error code" when there is none. A
    // command holding "notify" tells `listener` when it ends, for any reason.
    virtual std::string send(const std::string& command, MediaListener* listener) = 0;
    // The listener's device was closed: it hears nothing more of what was
    // sent before, not even a notification already on its way.
    virtual void forget(MediaListener* listener) = 0;
};

}  // namespace zelvio
