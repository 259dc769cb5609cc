#pragma once
// The wave pane's play: wave files or CD tracks one after the other through
// one media device, with Stop, Back and Fwd, and the position on the
// information window. One play runs at a time, in one loop that the
// device's notifications move on: a play asked for meanwhile takes the
// running one's place, and the loop goes on with its list.

#include "common/progress.h"
#include "platform/system.h"
#include "playback/mediadevice.h"

#include <functional>
#include <string>
#include <vector>

namespace zelvio {

// A wave file by its whole path, or a CD track by its number.
struct PlayItem {
    std::string wavePath;
    int track = 0;
};

class WavePlayer {
public:
    WavePlayer(System system, Progress& progress);

    // Plays the items and returns true when the list is used up or stopped.
    // Asked while a play runs, it hands that play the new list and returns
    // false at once: the running play ends when the new list does. The play
    // goes on when the main window is closed meanwhile, to the end of the
    // list, and only then does the program end.
    bool play(const std::vector<PlayItem>& items, SoundSource source);
    // The buttons' actions; each ends the current item, and the next step of
    // the play moves on from there.
    void stop();
    void back();
    void forward();
    void pauseOrResume();

    // Whether Back and Fwd have somewhere to go, each time that changes.
    std::function<void(bool back, bool forward)> onPlace;

    MediaDevice& device() { return device_; }

private:
    // Takes the list and plays its first item.
    void begin(const std::vector<PlayItem>& items, SoundSource source);
    // Opens and plays the item at playindex_.
    void start(bool first);
    // The current item has ended: the next one, or the end of the list.
    void moveOn();
    void showPosition();

    EventLoop& events_;
    Progress& progress_;
    MediaDevice device_;
    bool playing_ = false;
    SoundSource source_ = SoundSource::Wave;
    // The items of the play and an empty one that ends them; the item
    // playing; whether it ended (the device's notification says so).
    std::vector<PlayItem> playlist_;
    std::size_t playcount_ = 0;
    long playindex_ = 0;
    bool playended_ = false;
};

}  // namespace zelvio
